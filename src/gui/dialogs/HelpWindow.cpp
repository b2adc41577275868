#include "gui/dialogs/HelpWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AboutTexts.h"
#include "gui/adapters/QtText.h"

namespace kvpm {

namespace {

constexpr int kTextWidth = 540;

QLabel* MakeWrappedLabel(QWidget* parent, const QString& name, const std::string& text) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A fixed width, and the height that the wrapped text needs at it: a
  // window of fixed size does not ask its labels for their height at a width.
  label->setFixedWidth(kTextWidth);
  label->setMinimumHeight(label->heightForWidth(kTextWidth));
  return label;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* mainWindow, bool& mainWindowEnabled)
    : InfoWindow(mainWindow, mainWindowEnabled, "frmHelp", "KV Playlist Manager: FAQ") {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeWrappedLabel(this, "Label3", FaqIntroduction()));
  for (const FaqBlock& block : FaqBlocks()) {
    auto* frame = new QGroupBox(ToQt(block.question), this);
    frame->setObjectName(block.frameName);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(MakeWrappedLabel(frame, block.labelName, block.answer));
    layout->addWidget(frame);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(MakeOkButton());
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kvpm
