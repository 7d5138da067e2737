#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QTimer>
#include <ctime>
#include <tuple>
#include <utility>

#include "app/error_box.h"
#include "app/game_file.h"
#include "app/input_blocker.h"
#include "app/komi_dialog.h"
#include "app/new_game_dialog.h"
#include "app/window_look.h"
#include "player/computer_player.h"
#include "sgf/sgf_writer.h"

namespace {

// A panel control's geometry, given in the client area's pixels at its smallest size.
QRect InPanel(const QRect& geometry) {
  return geometry.translated(-PanelLeft, 0);
}

// A menu item with its member's name; the Game and Help items have no shortcuts or check marks.
QAction* AddItem(QMenu* menu, const char* name, const QString& text) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

// Shows a window that is not modal and brings it to the front.
void ShowInFront(QWidget* window) {
  if (window == nullptr) return;
  window->show();
  window->raise();
  window->activateWindow();
}

// A menu with its member's name.
QMenu* AddMenu(QWidget* bar, const char* name, const QString& text) {
  auto* menu = new QMenu(text, bar);
  menu->setObjectName(QString::fromLatin1(name));
  bar->addAction(menu->menuAction());
  return menu;
}

}  // namespace

TForm1::TForm1(const QString& pictureFolder) {
  setWindowTitle(tr("Zada Da and have fun"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  ApplyWindowLook(*this);
  CreateMenus();
  CreateControls();
  CreateNotesArea();
  FormCreate(pictureFolder);
  ConnectCommands();
  adjustSize();
  CentreOnScreen(*this);
}

TForm1::~TForm1() = default;

void TForm1::AttachHelpWindows(QWidget* rulesWindow, QWidget* aboutBox, QWidget* howToWindow) {
  rulesWindow_ = rulesWindow;
  aboutBox_ = aboutBox;
  howToWindow_ = howToWindow;
}

void TForm1::CreateMenus() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  // Menus keep the desktop's menu font; the window font is for the layout below them.
  MainMenu1->setFont(QApplication::font(MainMenu1));
  CreateFileMenu();
  Game1 = AddMenu(MainMenu1, "Game1", tr("Game"));
  pbso = AddItem(Game1, "pbso", tr("Placing black stones only"));
  pwso = AddItem(Game1, "pwso", tr("Placing White stones only"));
  cwbc = AddItem(Game1, "cwbc", tr("Let's begin to play go!"));
  ctb = AddItem(Game1, "ctb", tr("Computer takes Black !"));
  ctw = AddItem(Game1, "ctw", tr("Computer takes White !"));
  ctbw = AddItem(Game1, "ctbw", tr("Computer takes both colors!"));
  CreateGameItems();
  CreatePaceMenu();
  komi = AddItem(Game1, "komi", tr("Komi..."));
  CreateMoveMenu();
  View1 = AddMenu(MainMenu1, "View1", tr("View"));
  showPoints = AddItem(View1, "showPoints", tr("Show Points"));
  showPoints->setCheckable(true);
  Help1 = AddMenu(MainMenu1, "Help1", tr("Help"));
  rules = AddItem(Help1, "rules", tr("Rules of Go"));
  tips = AddItem(Help1, "tips", tr("How to ..."));
  about = AddItem(Help1, "about", tr("About the program"));
}

void TForm1::CreateFileMenu() {
  File1 = AddMenu(MainMenu1, "File1", tr("File"));
  openGame = AddItem(File1, "openGame", tr("Open Game..."));
  openGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  saveGame = AddItem(File1, "saveGame", tr("Save Game As..."));
  saveGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  File1->addSeparator();
  quit = AddItem(File1, "quit", tr("Quit"));
  quit->setShortcut(QKeySequence::Quit);
}

void TForm1::CreateGameItems() {
  Game1->addSeparator();
  newGame = AddItem(Game1, "newGame", tr("New Game..."));
  newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  resign = AddItem(Game1, "resign", tr("Resign"));
  stopOpponents = new QAction(this);
  stopOpponents->setObjectName(QStringLiteral("stopOpponents"));
  stopOpponents->setShortcut(QKeySequence(Qt::Key_Escape));
  addAction(stopOpponents);
}

void TForm1::CreatePaceMenu() {
  Game1->addSeparator();
  Pace1 = AddMenu(Game1, "Pace1", tr("Pace"));
  paces_ = new QActionGroup(this);
  const struct {
    const char* name;
    QString text;
    int32_t pace;
  } choices[] = {{"paceSlow", tr("Slow"), SlowPace},
                 {"paceNormal", tr("Normal"), NormalPace},
                 {"paceFastest", tr("Fastest"), FastestPace}};
  for (const auto& choice : choices) {
    QAction* item = AddItem(Pace1, choice.name, choice.text);
    item->setCheckable(true);
    item->setChecked(choice.pace == pace_);
    paces_->addAction(item);
    connect(item, &QAction::triggered, this, [this, pace = choice.pace] {
      pace_ = pace;
      controller_->SetOpponentPace(pace);
    });
  }
}

void TForm1::CreateMoveMenu() {
  Move1 = AddMenu(MainMenu1, "Move1", tr("Move"));
  const struct {
    const char* name;
    QString text;
    QKeySequence keys;
    void (GameController::*command)();
  } items[] = {
      {"undo", tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), &GameController::Button2Click},
      {"redo", tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &GameController::Redo},
      {"back", tr("Back"), QKeySequence(Qt::Key_Left), &GameController::GoBack},
      {"forward", tr("Forward"), QKeySequence(Qt::Key_Right), &GameController::GoForward},
      {"first", tr("First"), QKeySequence(Qt::Key_Home), &GameController::GoFirst},
      {"last", tr("Last"), QKeySequence(Qt::Key_End), &GameController::GoLast}};
  for (const auto& item : items) {
    if (item.command == &GameController::GoBack) Move1->addSeparator();
    QAction* action = AddItem(Move1, item.name, item.text);
    action->setShortcut(item.keys);
    ConnectCommand(action, item.command);
  }
  Move1->addSeparator();
  for (const auto& [name, text, key, step] :
       {std::tuple{"previousVariation", tr("Previous Variation"), Qt::Key_Up, -1},
        std::tuple{"nextVariation", tr("Next Variation"), Qt::Key_Down, 1}}) {
    QAction* action = AddItem(Move1, name, text);
    action->setShortcut(QKeySequence(key));
    connect(action, &QAction::triggered, this,
            [this, step] { RunCommand([&] { controller_->ChooseVariation(step); }); });
  }
}

void TForm1::CreateNotesArea() {
  notes = new QPlainTextEdit(clientArea_);
  notes->setObjectName(QStringLiteral("notes"));
  notes->setReadOnly(true);
  // The arrow keys look through the game; the area must never take them.
  notes->setFocusPolicy(Qt::NoFocus);
  notes->hide();
  clientArea_->Arrange(Image1, notes);
}

void TForm1::CreateControls() {
  clientArea_ = new ClientArea(this);
  clientArea_->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(clientArea_);
  QWidget* area = clientArea_;
  QWidget* panel = clientArea_->Panel();
  StaticText4 =
      MakeSizingText(area, "StaticText4", tr("Go game for two partners."), QRect(120, 0, 126, 17));
  Label4 = MakeLabel(panel, "Label4", tr("In turn "), InPanel({432, 0, 33, 13}));
  Image1 = new BoardImage(canvas_, area);
  Image1->setObjectName(QStringLiteral("Image1"));
  Label6 = MakeLabel(panel, "Label6", tr("Black points"), InPanel({392, 40, 58, 13}));
  Black_Terr = MakeFramedText(panel, "Black_Terr", QStringLiteral("0"), InPanel({416, 56, 33, 17}));
  Label5 = MakeLabel(panel, "Label5", tr("White points"), InPanel({392, 104, 59, 13}));
  White_Terr =
      MakeFramedText(panel, "White_Terr", QStringLiteral("0"), InPanel({416, 120, 33, 17}));
  Label3 = MakeLabel(panel, "Label3", tr("Current move"), InPanel({392, 184, 63, 13}));
  StaticText3 =
      MakeFramedText(panel, "StaticText3", QStringLiteral("0"), InPanel({416, 200, 34, 17}));
  StaticText1 = MakeSizingText(panel, "StaticText1", QString(), InPanel({384, 224, 4, 4}));
  Button1 = MakeButton(panel, "Button1", tr("Pass"), InPanel({400, 264, 59, 25}));
  Button2 = MakeButton(panel, "Button2", tr("Undo"), InPanel({400, 312, 59, 25}));
  Button3 = MakeButton(panel, "Button3", tr("Clear All"), InPanel({400, 360, 59, 25}));
  // The board holds the focus, and a click takes it back there: with the focus on a button, a
  // stray Space after a click on the board would pass. Tab still reaches the buttons.
  Image1->setFocusPolicy(Qt::StrongFocus);
  for (QPushButton* button : {Button1, Button2, Button3})
    button->setFocusPolicy(Qt::TabFocus);
  Image1->setFocus();
  setTabOrder(Image1, Button1);
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, Button3);
}

void TForm1::FormCreate(const QString& pictureFolder) {
  canvas_.PrepareBoardPicture(pictureFolder);
  SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
  controller_ = std::make_unique<GameController>(canvas_, *this);
  controller_->SetComputerGameWatcher([this] { return WatchComputerGame(); });
  controller_->SetRefusedClickSignal([] { QApplication::beep(); });
  controller_->SetOpponentPace(pace_);
  controller_->SetEngineFailedSignal(
      [this](const QString& name, const QString& what) { ReportEngineFailure(name, what); });
}

void TForm1::ConnectCommands() {
  connect(Image1, &BoardImage::pressed, this, [this](int32_t x, int32_t y) {
    RunCommand([&] { controller_->Image1MouseDown(x, y); });
    Image1->update();
  });
  ConnectCommand(Button1, &GameController::Button1Click);
  ConnectCommand(Button2, &GameController::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::ClearAll);
  ConnectCommand(pbso, &GameController::pbsoClick);
  ConnectCommand(pwso, &GameController::pwsoClick);
  ConnectCommand(cwbc, &GameController::cwbcClick);
  ConnectCommand(ctb, &GameController::ctbClick);
  ConnectCommand(ctw, &GameController::ctwClick);
  connect(ctbw, &QAction::triggered, this, &TForm1::PlayComputerGame);
  connect(komi, &QAction::triggered, this, &TForm1::AskKomi);
  connect(newGame, &QAction::triggered, this, &TForm1::AskNewGame);
  ConnectCommand(resign, &GameController::Resign);
  ConnectCommand(stopOpponents, &GameController::StopOpponentGame);
  connect(openGame, &QAction::triggered, this, &TForm1::OpenGame);
  connect(saveGame, &QAction::triggered, this, &TForm1::SaveGameAs);
  connect(quit, &QAction::triggered, this, &TForm1::close);
  connect(showPoints, &QAction::toggled, Image1, &BoardImage::ShowPointMarks);
  connect(rules, &QAction::triggered, this, &TForm1::rulesClick);
  connect(about, &QAction::triggered, this, &TForm1::aboutClick);
  connect(tips, &QAction::triggered, this, &TForm1::tipsClick);
}

void TForm1::ConnectCommand(QAction* item, void (GameController::*command)()) {
  connect(item, &QAction::triggered, this, [this, command] { RunBoardCommand(command); });
}

void TForm1::ConnectCommand(QPushButton* button, void (GameController::*command)()) {
  connect(button, &QPushButton::clicked, this, [this, command] { RunBoardCommand(command); });
}

void TForm1::RunBoardCommand(void (GameController::*command)()) {
  RunCommand([&] { (controller_.get()->*command)(); });
  Image1->update();
}

void TForm1::PlayComputerGame() {
  // The blocker is gone before an error box can open, so the box can be answered.
  RunCommand([this] {
    InputBlocker blocker;
    const QScopedValueRollback<InputBlocker*> watching(computerGameBlocker_, &blocker);
    ShowPassMessage(passMessage_);
    controller_->ctbwClick();
  });
  ShowPassMessage(passMessage_);  // Without the hint to stop, now that the game is over.
  Image1->update();
}

bool TForm1::WatchComputerGame() {
  if (computerGameBlocker_ == nullptr) return false;
  // The board control is not told when stones are drawn into its picture; without this it would
  // show the new stones only once the game is over.
  Image1->update();
  clientArea_->repaint();
  return computerGameBlocker_->StopRequestedAfter(pace_);
}

bool TForm1::OpenGameFile(const QString& path) {
  gameFolder_ = QFileInfo(path).absolutePath();
  if (const QString failure = OpenGameIn(path); !failure.isEmpty()) {
    ReportFileFailure(tr("Cannot open the game in %1:\n%2"), path, failure);
    return false;
  }
  NoteGameSaved();
  return true;
}

QString TForm1::OpenGameIn(const QString& path) {
  GameFile file = ReadGameFile(path);
  if (!file.failure.isEmpty()) return file.failure;
  std::optional<sgf::Failure> refused;
  RunCommand([&] { refused = controller_->OpenGame(std::move(file.tree)); });
  Image1->update();
  return refused ? QString::fromStdString(refused->Message()) : QString();
}

bool TForm1::SaveGameFile(const QString& path) {
  gameFolder_ = QFileInfo(path).absolutePath();
  const QString failure = WriteGameFile(path, controller_->GameText());
  if (failure.isEmpty()) {
    NoteGameSaved();
    return true;
  }
  ReportFileFailure(tr("Cannot save the game in %1:\n%2"), path, failure);
  return false;
}

void TForm1::AskKomi() {
  if (const std::optional<double> chosen = AskForKomi(this, controller_->Komi()))
    RunCommand([&] { controller_->SetKomi(*chosen); });
}

void TForm1::AskNewGame() {
  if (!MayDiscardGame()) return;
  if (const std::optional<GameChoice> chosen = AskForNewGame(this, lastChoice_)) StartGame(*chosen);
}

void TForm1::StartGame(const GameChoice& choice) {
  lastChoice_ = choice;
  RunCommand([&] { controller_->StartGame(choice); });
  Image1->update();
  NoteGameSaved();
}

void TForm1::ReportEngineFailure(const QString& name, const QString& what) {
  QTimer::singleShot(0, this, [this, name, what] {
    QMessageBox::warning(
        this, ApplicationTitleText(),
        tr("The engine %1 %2.\nIt has been let go; a person plays its colour.").arg(name, what));
  });
}

void TForm1::OpenGame() {
  if (!MayDiscardGame()) return;
  const QString path = QFileDialog::getOpenFileName(this, tr("Open Game"), gameFolder_,
                                                    tr("Go games (*.sgf);;All files (*)"));
  if (!path.isEmpty()) OpenGameFile(path);
}

bool TForm1::SaveGameAs() {
  QFileDialog dialog(this, tr("Save Game As"), gameFolder_, tr("Go games (*.sgf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("sgf"));
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() &&
         SaveGameFile(dialog.selectedFiles().constFirst());
}

bool TForm1::GameUnsaved() const {
  // A game of its root node alone has no move to lose, whatever its komi.
  return controller_->HasMoves() && controller_->GameText() != savedGame_;
}

bool TForm1::MayDiscardGame() {
  if (!GameUnsaved()) return true;
  QMessageBox box(QMessageBox::Warning, ApplicationTitleText(),
                  tr("The game has changed since it was last saved."),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setInformativeText(tr("Do you want to save it?"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveGameAs();
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

void TForm1::NoteGameSaved() {
  savedGame_ = controller_->GameText();
}

void TForm1::ClearAll() {
  if (!MayDiscardGame()) return;
  RunBoardCommand(&GameController::Button3Click);
  NoteGameSaved();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (MayDiscardGame())
    event->accept();
  else
    event->ignore();
}

void TForm1::ReportFileFailure(const QString& message, const QString& path, const QString& reason) {
  QMessageBox::warning(this, ApplicationTitleText(),
                       message.arg(QDir::toNativeSeparators(path), WithFullStop(reason)));
}

void TForm1::rulesClick() {
  ShowInFront(rulesWindow_);
}

void TForm1::aboutClick() {
  ShowInFront(aboutBox_);
}

void TForm1::tipsClick() {
  ShowInFront(howToWindow_);
}

void TForm1::ShowTurnStone(int32_t colour) {
  clientArea_->Panel()->ShowTurnStone(colour == White ? canvas_.WhiteStone : canvas_.BlackStone);
}

void TForm1::ShowMoveNumber(const QString& text) {
  StaticText3->setText(text);
  // An engine's move arrives outside any command, and the board control is not told when stones
  // are drawn into its picture.
  Image1->update();
}

void TForm1::ShowBlackPoints(const QString& text) {
  Black_Terr->setText(text);
}

void TForm1::ShowWhitePoints(const QString& text) {
  White_Terr->setText(text);
}

void TForm1::ShowModeCaption(const QString& text) {
  SetTextAndFit(*StaticText4, text);
}

void TForm1::ShowPassMessage(const QString& text) {
  passMessage_ = text;
  if (computerGameBlocker_ == nullptr) {
    SetTextAndFit(*StaticText1, text);
    return;
  }
  // All input but Escape and the menus is held off meanwhile; the hint says how to get out. Two
  // lines, as the panel's column is narrow.
  const QString hint = tr("Press Escape\nto stop");
  SetTextAndFit(*StaticText1, text.isEmpty() ? hint : text + QLatin1Char('\n') + hint);
}

void TForm1::ShowPointMarks(const PointMarks& marks) {
  Image1->SetPointMarks(marks);
}

void TForm1::ShowDeadStones(const PointMarks& dead) {
  Image1->SetDeadStones(dead);
}

void TForm1::ShowNotes(const QString& text, bool gameHasNotes) {
  if (notes->toPlainText() != text) notes->setPlainText(text);
  if (notes->isHidden() != gameHasNotes) return;
  // The window grows or shrinks by the notes' room, so that the board keeps its size; the
  // smallest size changes on the side where it cannot get in the way.
  const QSize room(0, gameHasNotes ? NotesRoom : -NotesRoom);
  if (gameHasNotes) resize(size() + room);
  clientArea_->ShowNotes(gameHasNotes);
  if (!gameHasNotes) resize(size() + room);
}
