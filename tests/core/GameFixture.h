// A program folder with small textures and sounds, and a game wired to recording fakes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Game.h"
#include "TestUtil.h"

namespace tw::test {

inline const TColor kWallInk = MakeColor(100, 50, 25);
inline const TColor kTargetInk = MakeColor(200, 0, 0);
inline const TColor kBoxInk = MakeColor(150, 100, 50);

struct RecordingView : IGameView {
  std::string Caption, Moves;
  std::vector<TRect> Invalidated;
  int FrameChanges = 0;
  void SetCaption(const std::string& T) override { Caption = T; }
  void SetMovesCaption(const std::string& T) override { Moves = T; }
  void FrameChanged() override { ++FrameChanges; }
  void InvalidateRect(const TRect& R) override { Invalidated.push_back(R); }
};

struct RecordingPlayer : IWavePlayer {
  std::vector<std::vector<std::uint8_t>> Played;
  void PlayWaveFromMemory(const std::vector<std::uint8_t>& W) override { Played.push_back(W); }
  void Stop() override {}
};

struct RecordingDialogs : IDialogs {
  std::vector<std::string>* Log;
  explicit RecordingDialogs(std::vector<std::string>* L) : Log(L) {}
  void ShowMessage(const std::string& T) override { Log->push_back("message: " + T); }
  TModalResult MessageDlg(const std::string& T, TMsgDlgType, unsigned, int) override {
    Log->push_back("dialog: " + T);
    return TModalResult::mrOk;
  }
};

struct RecordingHandler : IExceptionHandler {
  std::vector<std::string>* Log;
  const TObject* LastSender = nullptr;
  explicit RecordingHandler(std::vector<std::string>* L) : Log(L) {}
  void HandleException(const TObject* S, const std::exception& E) override {
    LastSender = S;
    Log->push_back(std::string("handler: ") + E.what());
  }
};

inline const std::string kStepSound = "RIFF-step";
inline const std::string kBoxSound = "RIFF-box";

// Textures: wall and target solid; the box a square of kBoxInk inset by one pixel of floor
// colour; each player image a distinct colour on magenta with its top-left pixel opaque.
class GameFixture {
 public:
  explicit GameFixture(bool WithAssets = true) {
    if (WithAssets) WriteAssets(Folder);
    TGameServices s{&View, &Player, &Handler, &Dialogs, &Sender};
    Game = std::make_unique<TGame>(Folder.Dir(), s);
    Game->act_load_backgroundExecute();
    Game->CreateKeeper();
  }

  static TColor FacingInk(int i) { return MakeColor(10, std::uint8_t(60 * i), 90); }

  static void WriteAssets(const TempDir& D) {
    D.Write("texture/wall.bmp", EncodeBmp(SolidBitmap24(32, 32, kWallInk)));
    D.Write("texture/cross.bmp", EncodeBmp(SolidBitmap24(32, 32, kTargetInk)));
    D.Write("texture/box.bmp", EncodeBmp(MakeBitmap24(32, 32, [](int x, int y) {
              return (x == 0 || y == 0 || x == 31 || y == 31) ? FloorColor : kBoxInk;
            })));
    const char* names[] = {"wvL", "wvU", "wvR", "wvD"};
    for (int i = 0; i < 4; ++i) {
      D.Write(std::string("texture/") + names[i] + ".bmp",
              EncodeBmp(MakeBitmap24(32, 32, [i](int x, int y) {
                return (x + y) % 3 == 1 ? MaskMagenta : FacingInk(i);
              })));
    }
    D.Write("sound/steps.wav", kStepSound);
    D.Write("sound/large-box.wav", kBoxSound);
  }

  // Loads a map given as text (rows joined by "\n") as level 1.
  void Load(const std::string& Map) {
    Folder.Write("map/01.map", Map);
    Game->FLevel = 1;
    Game->StartLevel();
  }

  // Feeds keys; returns the result of the last one.
  TKeyResult Keys(std::initializer_list<std::uint16_t> Keys) {
    TKeyResult r;
    for (std::uint16_t k : Keys) r = Game->FormKeyDown(k);
    return r;
  }

  std::vector<std::string> Log;
  TempDir Folder;
  RecordingView View;
  RecordingPlayer Player;
  RecordingDialogs Dialogs{&Log};
  RecordingHandler Handler{&Log};
  TComponent Sender{"T_frm_main", "_frm_main"};
  std::unique_ptr<TGame> Game;
};

}  // namespace tw::test
