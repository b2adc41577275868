#include "gui/dialogs/AboutWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AboutTexts.h"
#include "gui/adapters/QtText.h"

namespace kvpm {

namespace {

constexpr int kIconSize = 64;
constexpr int kTextWidth = 440;

QLabel* MakeLabel(QWidget* parent, const QString& name, const std::string& text) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QFrame* MakeLine(QWidget* parent, const QString& name) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* mainWindow, bool& mainWindowEnabled)
    : InfoWindow(mainWindow, mainWindowEnabled, "frmAbout", "KV Playlist Manager: About") {
  auto* picIcon = new QLabel(this);
  picIcon->setObjectName("picIcon");
  picIcon->setFixedSize(kIconSize, kIconSize);
  const QPixmap icon(":/kvpm.png");
  if (!icon.isNull()) {
    picIcon->setPixmap(
        icon.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  QLabel* lblTitle = MakeLabel(this, "lblTitle", kProgramTitle);
  QFont titleFont = lblTitle->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  lblTitle->setFont(titleFont);
  QLabel* lblVersion =
      MakeLabel(this, "lblVersion", VersionLine(kVersionMajor, kVersionMinor, kVersionRevision));

  auto* heading = new QVBoxLayout;
  heading->addWidget(lblTitle);
  heading->addWidget(lblVersion);
  heading->addWidget(MakeLabel(this, "Label3", kAboutLastUpdated));
  auto* top = new QHBoxLayout;
  top->addWidget(picIcon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(heading, 1);

  QLabel* label2 = MakeLabel(this, "Label2", AboutContact());
  label2->setWordWrap(true);
  label2->setFixedWidth(kTextWidth);
  label2->setMinimumHeight(label2->heightForWidth(kTextWidth));
  label2->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(MakeOkButton());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(MakeLine(this, "Line1"));
  layout->addWidget(MakeLabel(this, "Label1", kAboutCredits));
  layout->addWidget(MakeLabel(this, "Label4", kAboutCreditDesign));
  layout->addWidget(MakeLabel(this, "Label5", kAboutCreditTesting));
  layout->addWidget(MakeLine(this, "Line2"));
  layout->addWidget(label2);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kvpm
