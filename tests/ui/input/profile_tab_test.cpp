#include <QtTest>

#include "support/window_fixture.h"

namespace vexlin {

class Placeholder_profile_tab_test : public QObject {
  Q_OBJECT
};

}  // namespace vexlin

QTEST_MAIN(vexlin::Placeholder_profile_tab_test)
#include "profile_tab_test.moc"
