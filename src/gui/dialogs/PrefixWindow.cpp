#include "gui/dialogs/PrefixWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/AboutTexts.h"
#include "gui/adapters/QtText.h"

namespace kvpm {

PrefixWindow::PrefixWindow(QWidget* parent, const std::vector<PrefixOffer>& offers)
    : QDialog(parent) {
  setObjectName("frmPrefix");
  setWindowTitle(ToQt(kProgramTitle));
  auto* label = new QLabel(
      "The game is installed in several Wine prefixes. Which one should "
      "the playlist manager use?",
      this);
  label->setWordWrap(true);
  list_ = new QTreeWidget(this);
  list_->setObjectName("lstPrefixes");
  list_->setHeaderLabels({"Launcher", "Wine prefix", "Game folder"});
  list_->setRootIsDecorated(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Named by the question above it, as a screen reader's user sees it.
  list_->setAccessibleName(label->text());
  list_->setAccessibleDescription("Wine prefixes that hold the game");
  label->setBuddy(list_);
  for (const PrefixOffer& offer : offers) {
    new QTreeWidgetItem(list_, {ToQt(offer.launcher), ToQt(offer.folder), ToQt(offer.gameFolder)});
  }
  list_->setCurrentItem(list_->topLevelItem(0));
  remember_ = new QCheckBox("&Remember this choice", this);
  remember_->setObjectName("cboxRemember");
  remember_->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_);
  layout->addWidget(remember_);
  layout->addWidget(buttons);
  resize(640, 280);
}

std::optional<PrefixAnswer> PrefixWindow::Answer() const {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (result() != QDialog::Accepted || row < 0) return std::nullopt;
  return PrefixAnswer{static_cast<std::size_t>(row), remember_->isChecked()};
}

}  // namespace kvpm
