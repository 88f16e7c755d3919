#include "MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QScreen>

#include "Application.h"
#include "FileUtil.h"
#include "Icons.h"
#include "KeyMap.h"
#include "Recording.h"

namespace tw {
namespace {

const char* kEmailMask =
    "[0-9_a-zA-Z]([0-9_a-zA-Z]*|[0-9_.a-zA-Z]*)[0-9a-zA-Z]+\\@[0-9_a-zA-Z]+([0-9_a-zA-Z]*|[0-9_.a-"
    "zA-Z]*)[0-9_a-zA-Z]{2,}";

// Clears a flag however the scope is left.
struct TFlagScope {
  bool& Flag;
  explicit TFlagScope(bool& F) : Flag(F) { Flag = true; }
  ~TFlagScope() { Flag = false; }
};

}  // namespace

T_frm_main::T_frm_main(const std::string& AppDir, const TComponent* Owner,
                       TMainWindowServices Services, QWidget* Parent)
    : QWidget(Parent),
      TComponent("T_frm_main", "_frm_main", Owner),
      FAppDir(AppDir),
      FServices(std::move(Services)),
      FQtDialogs(this),
      FDialogs(FServices.Dialogs ? FServices.Dialogs : &FQtDialogs) {
  setObjectName("_frm_main");
  setWindowTitle("Tollywinder v1.3");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(kWindowWidth, kWindowHeight);
  QFont font("Tahoma");
  font.setPixelSize(11);
  setFont(font);
  setWindowIcon(GameIcon(FAppDir, "window"));
  setFocusPolicy(Qt::StrongFocus);

  auto action = [this](const char* name, const QString& caption, const QString& icon) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!icon.isEmpty()) a->setIcon(GameIcon(FAppDir, icon, 16));
    addAction(a);
    return a;
  };
  act_Refresh = action("act_Refresh", "&Refresh", "refresh");
  act_Refresh->setShortcut(Qt::Key_F5);
  act_finish = action("act_finish", "&Close", "close");
  act_open = action("act_open", "Open Tollywinder Movements", "open");
  act_Save_File = action("act_Save_File", "&Save Movements", "save");
  act_minimize = action("act_minimize", "act_minimize", "");
  act_minimize->setShortcut(Qt::Key_Escape);
  connect(act_Refresh, &QAction::triggered, this,
          [this] { Run([this] { act_RefreshExecute(); }); });
  connect(act_finish, &QAction::triggered, this, [this] { Run([this] { act_finishExecute(); }); });
  connect(act_open, &QAction::triggered, this, [this] { Run([this] { act_openExecute(); }); });
  connect(act_Save_File, &QAction::triggered, this,
          [this] { Run([this] { act_Save_FileExecute(); }); });
  connect(act_minimize, &QAction::triggered, this,
          [this] { Run([this] { act_minimizeExecute(); }); });

  timer_form = new QTimer(this);
  timer_form->setObjectName("timer_form");
  timer_form->setInterval(1200);
  connect(timer_form, &QTimer::timeout, this, [this] { Run([this] { timer_formTimer(); }); });
  Timer_replay = new QTimer(this);
  Timer_replay->setObjectName("Timer_replay");
  Timer_replay->setInterval(500);
  connect(Timer_replay, &QTimer::timeout, this, [this] { Run([this] { Timer_replayTimer(); }); });

  BuildRibbon();
  Image = new PlayfieldWidget(this);
  Image->move(0, kRibbonHeight);
  dxStatusBar = new TStatusBar(this);
  dxStatusBar->setGeometry(0, kRibbonHeight + kFrameHeight, kWindowWidth, kStatusBarHeight);
  connect(dxStatusBar->dxLevels(), &QToolButton::clicked, this,
          [this] { act_set_focus_formExecute(); });
  lblIntro = new TIntroLabel("PRESS F5 to START !!!", this);
  lblIntro->move(59, 191);
  lblIntro->raise();

  TGameServices game;
  game.View = this;
  game.WavePlayer = FServices.WavePlayer;
  game.ExceptionHandler = FServices.ExceptionHandler;
  game.Dialogs = FDialogs;
  game.Sender = this;
  FGame = std::make_unique<TGame>(FAppDir, game);
  FGame->FImageLeft = Image->x();
  FGame->FImageTop = Image->y();
  Image->SetGame(FGame.get());

  FormCreate();
  setFocus();
}

T_frm_main::~T_frm_main() {
  Image->SetGame(nullptr);
  FGame.reset();
}

void T_frm_main::BuildRibbon() {
  Ribbon = new TRibbon(this);
  Ribbon->setGeometry(0, 0, kWindowWidth, kRibbonHeight);
  Ribbon->SetCaption(windowTitle());
  const struct {
    const char* Name;
    QAction* Action;
    bool CaptionOnly;
  } quick[] = {{"dxOpen", act_open, false},
               {"dxSave", act_Save_File, false},
               {"dxBarButton4", act_Refresh, true},
               {"dxBarButton7", act_finish, false}};
  for (const auto& q : quick) {
    QToolButton* b = Ribbon->AddQuickButton(q.Name, q.Action, q.CaptionOnly);
    connect(b, &QToolButton::clicked, this, [this] { act_set_focus_formExecute(); });
  }
  Ribbon->AddGroup("MainManagerBar4", "Apperance");
  Ribbon->AddGroup("SoundBar", "Sound");
  Ribbon->AddGroup("dxMusic", "Music");
  TRibbonGroup* user = Ribbon->AddGroup("dxUserBar", "UserBar");
  auto* grid = new QGridLayout;
  grid->setContentsMargins(4, 6, 4, 2);
  grid->setVerticalSpacing(6);
  delete user->Content()->layout();
  user->Content()->setLayout(grid);
  cxNick = new QLineEdit(user->Content());
  cxNick->setObjectName("cxNick");
  cxNick->setFixedWidth(100);
  cxEmail = new QLineEdit(user->Content());
  cxEmail->setObjectName("cxEmail");
  cxEmail->setFixedWidth(100);
  cxEmail->setValidator(new QRegularExpressionValidator(QRegularExpression(kEmailMask), cxEmail));
  grid->addWidget(new QLabel("Nick  ", user->Content()), 0, 0);
  grid->addWidget(cxNick, 0, 1);
  grid->addWidget(new QLabel("Email", user->Content()), 1, 0);
  grid->addWidget(cxEmail, 1, 1);
  connect(cxNick, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (FServices.Settings) FServices.Settings->Nick = t.toLocal8Bit().toStdString();
  });
  connect(cxEmail, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (FServices.Settings) FServices.Settings->Email = t.toLocal8Bit().toStdString();
  });
  TRibbonGroup* help = Ribbon->AddGroup("MainManagerBar3", "Help");
  QToolButton* helpButton = help->AddLargeButton("dxHelp", "Help", GameIcon(FAppDir, "help"));
  connect(helpButton, &QToolButton::clicked, this, [this] { act_set_focus_formExecute(); });
  Ribbon->Relayout();
}

void T_frm_main::Run(const std::function<void()>& Handler) {
  RunGuarded(FServices.ExceptionHandler, this, Handler);
}

void T_frm_main::ProcessMessages() {
  QCoreApplication::processEvents();
}

void T_frm_main::FormCreate() {
  FGame->FStartX = 1;
  FGame->FStartY = 1;
  if (FServices.ApplySkin && FServices.Settings) FServices.ApplySkin(FServices.Settings->SkinName);
  FCodes = DecodeLevelCodes();
  FGame->FReplaying = false;
  Run([this] {
    if (FServices.Music) FServices.Music->Open(FAppDir + "music/intro.mid");
  });
  if (FServices.SetupAudio) FServices.SetupAudio(*this);
  Run([this] {
    if (FServices.Music) FServices.Music->Play();
  });
  ProcessMessages();
  const std::string finish = FAppDir + "sound/finish-level.wav";
  if (FileExists(finish)) {
    Run([&] { FFinish = ReadFileBytes(finish, kMaxSoundBytes); });
  }
  FGame->act_load_backgroundExecute();
  FGame->CreateKeeper();
  FGame->FBoxes.clear();
  FGame->FLevel = 1;
  if (FServices.Settings) {
    cxNick->setText(QString::fromLocal8Bit(FServices.Settings->Nick));
    cxEmail->setText(QString::fromLocal8Bit(FServices.Settings->Email));
  }
  act_create_levels_itemsExecute();
  FGame->FInputLocked = true;
}

void T_frm_main::act_create_levels_itemsExecute() {
  auto* group = new QActionGroup(this);  // group 66: one level item down at a time
  group->setExclusive(true);
  for (int k = 1; k <= kLevelCount; ++k) {
    auto* item = new QAction("Level " + QString::number(k), this);
    item->setObjectName("LevelItem" + QString::number(k));
    item->setCheckable(true);
    item->setActionGroup(group);
    SetTag(item, 0);
    if (k == 1) {
      item->setChecked(true);
      SetTag(item, 1);
    }
    connect(item, &QAction::triggered, this, [this, item] {
      act_set_focus_formExecute();
      Run([this, item] { act_btnlevel_changeExecute(item); });
    });
    dxStatusBar->PopUpMenu2()->addAction(item);
    FLevelItems.push_back(item);
  }
}

void T_frm_main::act_btnlevel_changeExecute(QAction* Sender) {
  if (!Sender || std::find(FLevelItems.begin(), FLevelItems.end(), Sender) == FLevelItems.end()) {
    return;
  }
  const int n = Sender->text().mid(6, 2).toInt();
  if (Tag(Sender) == 0) {
    const std::string typed = FDialogs->InputBox("Changing Level", "Enter level code", "");
    if (n >= 1 && n <= kLevelCount && typed == FCodes[std::size_t(n)]) SetTag(Sender, 1);
  }
  if (n != FLevel() && Tag(Sender) == 1) {
    SetLevel(n);
    act_RefreshExecute();
    dxStatusBar->dxLevels()->setText(Sender->text());
  } else {
    LevelItem(FLevel())->setChecked(true);
  }
}

void T_frm_main::act_RefreshExecute() {
  if (!lblIntro->isHidden()) lblIntro->hide();
  ProcessMessages();
  if (FServices.Music) {
    FServices.Music->Stop();
    FServices.Music->Close();
  }
  ProcessMessages();
  if (FServices.Music) {
    FServices.Music->Open(FAppDir + "music/level" + ZeroPad(FLevel(), 2) + ".mid");
    FServices.Music->Play();
  }
  ProcessMessages();
  FGame->StartLevel();  // clear, refill, new boxes and recording, count 0, load, unlock
  LevelItem(FLevel())->setChecked(true);
  dxStatusBar->dxLevels()->setText("Level " + QString::number(FLevel()));
}

void T_frm_main::FormKeyDown(std::uint16_t& Key) {
  const TKeyResult result = FGame->FormKeyDown(Key);
  if (!result.Won) return;
  if (FServices.LevelWon) {
    FServices.LevelWon(*this);
  } else {
    DefaultLevelWon();
  }
}

void T_frm_main::DefaultLevelWon() {
  const int next = FLevel() < kLevelCount ? FLevel() + 1 : 1;
  SetTag(LevelItem(next), 1);
  SetLevel(next);
  act_RefreshExecute();
}

void T_frm_main::act_finishExecute() {
  if (FDialogs->MessageDlg(kExitQuestion, TMsgDlgType::mtConfirmation, mbYes | mbCancel, 0) ==
      TModalResult::mrYes) {
    close();
  }
}

void T_frm_main::act_minimizeExecute() {
  showMinimized();
}

void T_frm_main::act_set_focus_formExecute() {
  timer_form->stop();
  timer_form->start();
}

void T_frm_main::timer_formTimer() {
  timer_form->stop();
  QWidget* active = focusWidget();
  if (active && active != this) setFocus(Qt::OtherFocusReason);
}

void T_frm_main::act_Save_FileExecute() {
  if (!FGame->FMoves) {
    FDialogs->MessageDlg("There are no moves to save yet: start a level with F5 and play first.",
                         TMsgDlgType::mtInformation, mbOK, 0);
    return;
  }
  std::string file;
  if (!FDialogs->SaveFileDialog({"Tollywinder Movements (*.wvr)|*.WVR", "wvr"}, file)) return;
  WriteRecordingFile(file, *FGame->FMoves);
}

void T_frm_main::act_openExecute() {
  std::string file;
  if (!FDialogs->OpenFileDialog({"tollywinder movements (*.wvr)|*.WVR", "wvr"}, file)) return;
  // Read first: a file that cannot be read leaves the current recording as it was.
  auto bytes = ReadRecordingFile(file);
  FGame->FMoves = std::make_unique<TMemoryStream>(std::move(bytes));
  if (!Timer_replay->isActive()) Timer_replay->start();
}

void T_frm_main::Timer_replayTimer() {
  if (!FGame->FMoves) {
    Timer_replay->stop();
    return;
  }
  TFlagScope replaying(FGame->FReplaying);
  std::uint8_t byte = 0;
  if (FGame->FMoves->ReadByte(byte)) {
    std::uint16_t key = byte;
    ProcessMessages();
    FormKeyDown(key);
    ProcessMessages();
  } else {
    Timer_replay->stop();
  }
}

void T_frm_main::FormClose() {
  timer_form->stop();
  Timer_replay->stop();
  FFinish.clear();
  FGame->FBoxes.clear();
  FGame->FKeeper.reset();
}

void T_frm_main::keyPressEvent(QKeyEvent* Event) {
  // Keys reach the game only while no control inside the window holds the focus.
  QWidget* focus = focusWidget();
  if (focus && focus != this) {
    Event->ignore();
    return;
  }
  std::uint16_t key = VirtualKeyFromQt(Event->key());
  Run([&] { FormKeyDown(key); });
}

void T_frm_main::closeEvent(QCloseEvent* Event) {
  Run([this] { FormClose(); });
  Event->accept();
}

void T_frm_main::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (FCentred) return;
  FCentred = true;
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void T_frm_main::SetCaption(const std::string& Text) {
  setWindowTitle(QString::fromLocal8Bit(Text));
  Ribbon->SetCaption(windowTitle());
}

void T_frm_main::SetMovesCaption(const std::string& Text) {
  dxStatusBar->dxmoves()->setText(QString::fromLocal8Bit(Text));
}

void T_frm_main::FrameChanged() {
  Image->FrameChanged();
}

void T_frm_main::InvalidateRect(const TRect& R) {
  Image->InvalidateFigureRect(R);
}

}  // namespace tw
