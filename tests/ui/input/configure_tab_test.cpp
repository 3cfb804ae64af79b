#include <QtTest>

#include "support/window_fixture.h"

namespace vexlin {

class Placeholder_configure_tab_test : public QObject {
  Q_OBJECT
};

}  // namespace vexlin

QTEST_MAIN(vexlin::Placeholder_configure_tab_test)
#include "configure_tab_test.moc"
