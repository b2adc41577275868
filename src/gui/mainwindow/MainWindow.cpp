#include "gui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "app/Startup.h"
#include "archives/SoundtrackArchives.h"
#include "catalogue/SoundtrackNumbers.h"
#include "gui/adapters/QtText.h"
#include "gui/panels/SlotPanel.h"
#include "gui/panels/SoundtrackPanel.h"
#include "gui/panels/TrackListWidget.h"
#include "gui/panels/TrackSelectionPanel.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "playlistfiles/FileCommands.h"
#include "playlistfiles/RecentFiles.h"
#include "state/ShowState.h"
#include "theme/Activation.h"

namespace kvpm {

namespace {

// The second option of each group reads "Tack": the captions the game's
// players have always seen, kept letter for letter.
const std::array<SlotPanelSetup, 3> kSlotSetups = {{
    {"Frame3", "Intro / Main Menu Track", "INTRO",
     {"No Intro Track", "Generic Mod Intro Tack", "\"Quarn\" (original Intro)", "Custom:"}},
    {"Frame4", "Loading / Map Loading Track", "LOADING",
     {"No Loading Track", "Generic Mod Loading Tack", "\"Tamber Kit\" (original Loading)",
      "Custom:"}},
    {"Frame6", "Score / Mission End Track", "SCORE",
     {"No Score Track", "Generic Mod Score Tack", "\"Score Theme\" (original Score)", "Custom:"}},
}};

const std::array<SlotId, 3> kSlots = {Intro, Loading, Score};

constexpr int kTrackColumnMinimumWidth = 300;

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

void ShowMenuItem(QAction* action, const MenuItem& item) {
  action->setEnabled(item.enabled);
  action->setVisible(item.visible);
  action->setChecked(item.checked);
}

}  // namespace

MainWindow::MainWindow(UserDialogs* dialogs)
    : qtDialogs_(dialogs != nullptr
                     ? nullptr
                     : std::make_unique<QtUserDialogs>(
                           this,
                           [this](bool atPosition, const std::array<bool, 3>& checks) {
                             return PopupTrackMenu(atPosition, checks);
                           })),
      state_(dialogs != nullptr ? *dialogs : *qtDialogs_) {
  setObjectName("frmMain");
  BuildControls();
  BuildMenus();
  Connect();
  ShowState();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);

  soundtrackPanel_ = new SoundtrackPanel(central);
  trackPanel_ = new TrackSelectionPanel(central);
  auto* right = new QWidget(central);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  for (std::size_t slot = 0; slot < kSlotSetups.size(); ++slot) {
    slotPanels_[slot] = new SlotPanel(kSlotSetups[slot], right);
    rightLayout->addWidget(slotPanels_[slot]);
  }
  auto* options = new QGroupBox("Other Options", right);
  options->setObjectName("Frame5");
  cboxMusic_ = new QCheckBox("Game Music", options);
  cboxMusic_->setObjectName("cboxMusic");
  cboxShuffle_ = new QCheckBox("Shuffle", options);
  cboxShuffle_->setObjectName("cboxShuffle");
  auto* optionsLayout = new QVBoxLayout(options);
  optionsLayout->addWidget(cboxMusic_);
  optionsLayout->addWidget(cboxShuffle_);

  auto* activateFrame = new QGroupBox(right);
  activateFrame->setObjectName("Frame7");
  cmdActivate_ = new QPushButton(" Activate  My Custom Playlist!", activateFrame);
  cmdActivate_->setObjectName("cmdActivate");
  cmdActivate_->setMinimumHeight(48);
  auto* activateLayout = new QVBoxLayout(activateFrame);
  activateLayout->addWidget(cmdActivate_);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(options, 1);
  bottom->addWidget(activateFrame, 1);
  rightLayout->addLayout(bottom);

  // Three columns of equal height; the track list takes the width to spare.
  trackPanel_->setMinimumWidth(kTrackColumnMinimumWidth);
  trackPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  columns->addWidget(soundtrackPanel_);
  columns->addWidget(trackPanel_, 1);
  columns->addWidget(right);
  setCentralWidget(central);
  resize(sizeHint().width() + kTrackColumnMinimumWidth / 2, 640);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("menu_file0");
  AddItem(file, "menu_new", "&New", QKeySequence("Ctrl+N"));
  AddItem(file, "menu_open", "&Open...", QKeySequence("Ctrl+O"));
  file->addSeparator()->setObjectName("menu_line1");
  AddItem(file, "menu_save", "&Save", QKeySequence("Ctrl+S"));
  AddItem(file, "menu_saveas", "Save &As...", QKeySequence("Ctrl+A"));
  file->addSeparator()->setObjectName("menu_line2");
  AddItem(file, "menu_enable", "Activat&e Custom Playlist", QKeySequence("Ctrl+E"));
  menuDisable_ = AddItem(file, "menu_disable", "&Deactivate Custom Playlist",
                         QKeySequence("Ctrl+D"));
  file->addSeparator()->setObjectName("menu_line3");
  for (int n = 1; n < static_cast<int>(menuFile_.size()); ++n) {
    menuFile_[n] = AddItem(file, QString("menu_file%1").arg(n), QString());
  }
  menuLine4_ = file->addSeparator();
  menuLine4_->setObjectName("menu_line4");
  AddItem(file, "menu_exit", "E&xit (changes will not be saved)");

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("menu_help0");
  AddItem(help, "menu_help", "KV Playlist Manager &FAQ...");
  AddItem(help, "menu_about", "&About KV Playlist Manager...");

  // menu_rc: never on the menu bar, only the track list's context menu.
  menuRc_ = new QMenu(this);
  menuRc_->setObjectName("menu_rc");
  const std::array<QString, 3> names = {"menu_intro", "menu_loading", "menu_score"};
  const std::array<QString, 3> captions = {"Use as &Intro", "Use as &Loading", "Use as &Score"};
  for (std::size_t slot = 0; slot < names.size(); ++slot) {
    slotActions_[slot] = AddItem(menuRc_, names[slot], captions[slot]);
    slotActions_[slot]->setCheckable(true);
  }
}

template <typename Action>
void MainWindow::Act(Action action) {
  action();
  ShowState();
}

void MainWindow::Connect() {
  connect(soundtrackPanel_, &SoundtrackPanel::BoxClicked, this, [this](int index, int value) {
    Act([&] { SoundtrackBoxClicked(state_, index, value); });
  });
  connect(trackPanel_, &TrackSelectionPanel::EntryChosen, this,
          [this](int index) { Act([&] { SelectComboEntry(state_, index); }); });

  TrackListWidget* list = trackPanel_->List();
  connect(list, &TrackListWidget::MouseUp, this, [this](int button, int item) {
    Act([&] { TrackListMouseUp(state_, button, item); });
  });
  connect(list, &TrackListWidget::KeyUp, this,
          [this](int keyCode) { Act([&] { TrackListKeyUp(state_, keyCode); }); });
  connect(list, &TrackListWidget::FocusByKeyboard, this, [this](bool leftButtonDown) {
    Act([&] { TrackListFocusReceived(state_, leftButtonDown); });
  });
  connect(list, &TrackListWidget::CurrentItemMoved, this,
          [this](int index) { state_.controls.currentRow = index; });

  for (std::size_t slot = 0; slot < kSlots.size(); ++slot) {
    const SlotId id = kSlots[slot];
    connect(slotPanels_[slot], &SlotPanel::OptionChosen, this,
            [this, id](int option) { Act([&] { SelectOption(state_, id, option); }); });
    connect(slotPanels_[slot], &SlotPanel::LabelClicked, this,
            [this, id] { Act([&] { SlotLabelClicked(state_, id); }); });
  }
  connect(cboxMusic_, &QCheckBox::clicked, this,
          [this] { state_.playlist.music = FromQtCheck(cboxMusic_->checkState()); });
  connect(cboxShuffle_, &QCheckBox::clicked, this,
          [this] { state_.playlist.shuffle = FromQtCheck(cboxShuffle_->checkState()); });

  const std::vector<std::pair<const char*, void (*)(MainState&)>> fileCommands = {
      {"menu_new", FileNew}, {"menu_open", FileOpen}, {"menu_save", FileSave},
      {"menu_saveas", FileSaveAs}};
  for (const auto& [name, command] : fileCommands) {
    connect(findChild<QAction*>(name), &QAction::triggered, this,
            [this, command] { Act([&] { command(state_); }); });
  }
  for (int n = 1; n < static_cast<int>(menuFile_.size()); ++n) {
    connect(menuFile_[n], &QAction::triggered, this,
            [this, n] { Act([&] { OpenRecentFile(state_, n); }); });
  }
  connect(soundtrackPanel_, &SoundtrackPanel::HgClicked, this,
          [this] { Act([&] { ArchiveButtonClicked(state_, kHarrowgateSoundtrack); }); });
  connect(soundtrackPanel_, &SoundtrackPanel::KvClicked, this,
          [this] { Act([&] { ArchiveButtonClicked(state_, kKorvaleSoundtrack); }); });
  connect(findChild<QAction*>("menu_help"), &QAction::triggered, this,
          [this] { infoWindows_.ShowHelp(); });
  connect(findChild<QAction*>("menu_about"), &QAction::triggered, this,
          [this] { infoWindows_.ShowAbout(); });
  connect(cmdActivate_, &QPushButton::clicked, this, [this] {
    // A successful activation by the button ends the program.
    if (ActivatePlaylist(state_) != Activation::Failed) {
      EndProgram();
    } else {
      ShowState();
    }
  });
  connect(findChild<QAction*>("menu_enable"), &QAction::triggered, this,
          [this] { Act([&] { ActivatePlaylist(state_); }); });
  connect(menuDisable_, &QAction::triggered, this,
          [this] { Act([&] { DeactivatePlaylist(state_); }); });
  connect(findChild<QAction*>("menu_exit"), &QAction::triggered, this, &MainWindow::EndProgram);
}

std::optional<int> MainWindow::PopupTrackMenu(bool atPosition, const std::array<bool, 3>& checks) {
  for (std::size_t slot = 0; slot < slotActions_.size(); ++slot) {
    slotActions_[slot]->setChecked(checks[slot]);
  }
  const QPoint position =
      atPosition ? trackPanel_->List()->MenuPositionForCurrentItem() : QCursor::pos();
  QAction* chosen = menuRc_->exec(position);
  for (std::size_t slot = 0; slot < slotActions_.size(); ++slot) {
    if (chosen == slotActions_[slot]) return static_cast<int>(slot);
  }
  return std::nullopt;
}

void MainWindow::ShowState() {
  const ControlStates controls = kvpm::ShowState(state_);
  setWindowTitle(ToQt(controls.caption));
  setEnabled(controls.enabled);
  soundtrackPanel_->Show(controls);
  trackPanel_->Show(controls);
  slotPanels_[Intro]->Show(controls.optINTRO);
  slotPanels_[Loading]->Show(controls.optLOADING);
  slotPanels_[Score]->Show(controls.optSCORE);
  cboxMusic_->setCheckState(ToQtCheck(controls.cboxMusic.value));
  cboxShuffle_->setCheckState(ToQtCheck(controls.cboxShuffle.value));
  ShowMenuItem(menuDisable_, controls.menu_disable);
  for (std::size_t n = 1; n < menuFile_.size(); ++n) {
    menuFile_[n]->setText(ToQt(controls.menu_file[n].caption));
    ShowMenuItem(menuFile_[n], controls.menu_file[n]);
  }
  ShowMenuItem(menuLine4_, controls.menu_line4);
}

bool MainWindow::Start(const std::string& programFolder, const std::string& givenPrefix) {
  const StartupOutcome outcome = InitialiseMainWindow(state_, programFolder, givenPrefix);
  if (outcome == StartupOutcome::EndProgram) return false;
  ShowState();
  show();
  repaint();
  if (outcome == StartupOutcome::ShowWindowAndAbout) infoWindows_.ShowAbout();
  return true;
}

void MainWindow::EndProgram() {
  emit Ending();
  QApplication::quit();
}

// Closing the main window ends the program at once, whatever else is open.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

}  // namespace kvpm
