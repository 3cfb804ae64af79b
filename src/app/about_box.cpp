#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help_file.h"
#include "app/product_info.h"
#include "app/program_art.h"
#include "uikit/ui_services.h"

namespace vexlin {

namespace {

constexpr int kIconSize = 64;

QLabel* LinkLabel(const QString& text, QWidget& parent) {
  auto* label = new QLabel("<a href=\"#\">" + text.toHtmlEscaped() + "</a>", &parent);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(TUiServices& services, const std::filesystem::path& programFolder,
                     QWidget* parent)
    : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(QString("About ") + kProductName);
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramPicture(kIconSize));
  auto* page = LinkLabel(kProductTitle + QString(" help"), *this);
  auto* mail = LinkLabel(kSupportMail, *this);
  connect(page, &QLabel::linkActivated, this, [&services, programFolder] {
    services.OpenWithDesktop(HelpAddress(programFolder, kHelpOnlineSection));
  });
  connect(mail, &QLabel::linkActivated, this,
          [&services] { services.OpenWithDesktop(QUrl(QString("mailto:") + kSupportMail)); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(icon);
  layout->addWidget(new QLabel(kProductName, this));
  layout->addWidget(new QLabel(QString("Version : ") + kVersion, this));
  layout->addWidget(new QLabel(kMakerNotice, this));
  layout->addWidget(page);
  layout->addWidget(mail);
  layout->addWidget(buttons);
}

}  // namespace vexlin
