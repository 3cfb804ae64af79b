#include "app/splash_form.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/product_info.h"
#include "app/program_art.h"

namespace vexlin {

namespace {

constexpr int kTickMilliseconds = 1000;
constexpr int kPictureSize = 160;

QLabel* CentredLabel(const QString& text, QWidget& parent, int pointSize) {
  auto* label = new QLabel(text, &parent);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(pointSize);
  label->setFont(font);
  return label;
}

}  // namespace

TComeInForm::TComeInForm(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("ComeInForm");
  setModal(true);
  auto* picture = new QLabel(this);
  picture->setPixmap(ProgramPicture(kPictureSize));
  picture->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(CentredLabel(kProductName, *this, 18));
  layout->addWidget(CentredLabel(kEdition, *this, 11));
  layout->addWidget(CentredLabel(QString("Version ") + kVersion, *this, 11));
  setStyleSheet("background: white;");
  startTimer(kTickMilliseconds);
}

void TComeInForm::timerEvent(QTimerEvent* /*event*/) {
  ++ticks_;
  if (ticks_ > 1) accept();
}

}  // namespace vexlin
