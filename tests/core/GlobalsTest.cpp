#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Errors.h"
#include "Globals.h"
#include "ProfileFile.h"
#include "TestUtil.h"

using namespace tw;
using tw::test::TempDir;

namespace {

TDateNames English() {
  return {{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
          {"January", "February", "March", "April", "May", "June", "July", "August", "September",
           "October", "November", "December"}};
}

// A clock that starts at Saturday 7 March 2009 09:05 and moves on a minute a call.
struct FakeClock {
  std::shared_ptr<int> Calls = std::make_shared<int>(0);
  TDateTime operator()() const {
    const int m = (*Calls)++;
    return {2009, 3, 7, 9, 5 + m, 0, 6};
  }
};

std::unique_ptr<TGlobals> Make(const TempDir& d) {
  return std::make_unique<TGlobals>(d.Dir(), FakeClock(), English());
}

TEST(Settings, FirstStartWritesTheFileAtOnce) {
  TempDir d;
  {
    auto g = Make(d);
    EXPECT_EQ(test::ReadText(d.File("app.ini")),
              "[general]\r\nlast_victory=0\r\nMidiDevice=\r\nWavDevice=\r\nMidiVolume=0\r\n"
              "WavVolume=0\r\nNick=\r\nEmail=\r\nSkinName=\r\n");
    EXPECT_EQ(g->MidiVolume, 0);
    EXPECT_EQ(g->SkinName, "");
    EXPECT_EQ(g->IniFileName, d.Dir() + "app.ini");
    EXPECT_EQ(g->ExceptLogFile, d.Dir() + "Except_2009_03_07.log");
    g->Nick = "player one";
    g->MidiVolume = -7;
  }
  // Freed: written back, in the same order.
  EXPECT_EQ(test::ReadText(d.File("app.ini")),
            "[general]\r\nlast_victory=0\r\nMidiDevice=\r\nWavDevice=\r\nMidiVolume=-7\r\n"
            "WavVolume=0\r\nNick=player one\r\nEmail=\r\nSkinName=\r\n");
}

TEST(Settings, ReadingWithDefaults) {
  const struct {
    const char* Name;
    const char* Body;  // lines of section [general]
    std::int32_t LastVictory, MidiVolume, WavVolume;
    const char *MidiDevice, *Nick, *Email, *Skin;
  } cases[] = {
      {"no keys", "", 0, -1, -1, "SW Synth", "quentavox", kDefaultEmail, "Blue"},
      {"some keys", "Nick=ann\r\nWavVolume=300\r\n", 0, -1, 300, "SW Synth", "ann", kDefaultEmail,
       "Blue"},
      {"empty and hex integers", "MidiVolume=\r\nWavVolume=0x10\r\nlast_victory=$2\r\n", 2, -1, 16,
       "SW Synth", "quentavox", kDefaultEmail, "Blue"},
      {"invalid integer", "last_victory=abc\r\nMidiVolume=12x\r\n", 0, -1, -1, "SW Synth",
       "quentavox", kDefaultEmail, "Blue"},
      {"quoted and padded texts", "MidiDevice=  \"My Synth\" \r\nEmail='a@b.cd'\r\n", 0, -1, -1,
       "My Synth", "quentavox", "a@b.cd", "Blue"},
      {"skin lower case", "SkinName=blue\r\n", 0, -1, -1, "SW Synth", "quentavox", kDefaultEmail,
       "Blue"},
      {"unknown skin", "SkinName=Green\r\n", 0, -1, -1, "SW Synth", "quentavox", kDefaultEmail,
       "Blue"},
      {"known skin", "SkinName=Xmas2008Blue\r\n", 0, -1, -1, "SW Synth", "quentavox", kDefaultEmail,
       "Xmas2008Blue"},
      {"empty skin", "SkinName=\r\n", 0, -1, -1, "SW Synth", "quentavox", kDefaultEmail, "Blue"},
  };
  for (const auto& c : cases) {
    TempDir d;
    d.Write("app.ini", std::string("[general]\r\n") + c.Body);
    auto g = Make(d);
    EXPECT_EQ(g->LastVictory, c.LastVictory) << c.Name;
    EXPECT_EQ(g->MidiVolume, c.MidiVolume) << c.Name;
    EXPECT_EQ(g->WavVolume, c.WavVolume) << c.Name;
    EXPECT_EQ(g->MidiDevice, c.MidiDevice) << c.Name;
    EXPECT_EQ(g->WavDevice, "Wave") << c.Name;
    EXPECT_EQ(g->Nick, c.Nick) << c.Name;
    EXPECT_EQ(g->Email, c.Email) << c.Name;
    EXPECT_EQ(g->SkinName, c.Skin) << c.Name;
  }
}

TEST(Settings, SaveKeepsOtherLinesAndAddsMissingKeys) {
  TempDir d;
  d.Write("app.ini", "[mixer]\r\nline=3\r\n[general]\r\nNick=ann\r\n; note\r\n");
  Make(d).reset();
  EXPECT_EQ(test::ReadText(d.File("app.ini")),
            "[mixer]\r\nline=3\r\n[general]\r\nNick=ann\r\n; note\r\nlast_victory=0\r\n"
            "MidiDevice=SW Synth\r\nWavDevice=Wave\r\nMidiVolume=-1\r\nWavVolume=-1\r\n"
            "Email=" +
                std::string(kDefaultEmail) + "\r\nSkinName=Blue\r\n");
}

TEST(Settings, UnwritableFolderIsReportedNotSilent) {
  try {
    TGlobals g("/nonexistent-tollywinder/", FakeClock(), English());
    FAIL() << "a first start must fail when app.ini cannot be written";
  } catch (const EProjectError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Unable to write to /nonexistent-tollywinder/app.ini", 0),
              0u)
        << e.what();
  }
  // At exit a failed save reaches OnSaveError, and the old file stays whole.
  TempDir d;
  auto g = Make(d);
  std::string reported;
  g->OnSaveError = [&](const std::string& m) { reported = m; };
  g->IniFileName = d.File("no-such-folder/app.ini");
  g.reset();
  EXPECT_NE(reported.find("Unable to write to"), std::string::npos);
}

TEST(Settings, DatedNamesUseDigitsOnly) {
  TempDir d;
  auto g = std::make_unique<TGlobals>(
      d.Dir(), [] { return TDateTime{2026, 12, 1, 23, 59, 0, 2}; }, English());
  EXPECT_EQ(g->DatedFileName("Except.log"), d.Dir() + "Except_2026_12_01.log");
  EXPECT_EQ(g->DatedFileName("a.b.c"), d.Dir() + "a_2026_12_01.b.c");
}

struct FakeDialogs : IDialogs {
  struct Shown {
    std::string Text;
    TMsgDlgType Type;
    unsigned Buttons;
    int Help;
  };
  std::vector<Shown> Log;
  void ShowMessage(const std::string& t) override {
    Log.push_back({t, TMsgDlgType::mtCustom, mbOK, 0});
  }
  TModalResult MessageDlg(const std::string& t, TMsgDlgType k, unsigned b, int h) override {
    Log.push_back({t, k, b, h});
    return TModalResult::mrOk;
  }
};

TEST(Exceptions, CodeConvention) {
  const struct {
    const char* Message;
    int HelpContext;  // of the exception
    bool Shown;
    const char* Text;
    unsigned Buttons;
    int Help;
  } cases[] = {
      {"11000|Cannot reach the server", 0, true, "Cannot reach the server", mbOK | mbHelp, 11000},
      {"abc|letters", 0, false, "", 0, 0},
      {"0|zero", 0, true, "zero", mbOK, 0},
      {"70000|wrapped", 0, true, "wrapped", mbOK | mbHelp, 4464},
      {"7|own context", 5, true, "own context", mbOK | mbHelp, 5},
      {"|empty code", 0, false, "", 0, 0},
      {"no code at all", 0, false, "", 0, 0},
      {" -1|two|bars\nand a line", 0, true, "two|bars\nand a line", mbOK | mbHelp, 65535},
  };
  for (const auto& c : cases) {
    TempDir d;
    auto g = Make(d);
    FakeDialogs dialogs;
    g->Dialogs = &dialogs;
    g->AppException(nullptr, EProjectError(c.Message, c.HelpContext));
    ASSERT_EQ(dialogs.Log.size(), c.Shown ? 1u : 0u) << c.Message;
    if (c.Shown) {
      EXPECT_EQ(dialogs.Log[0].Text, c.Text);
      EXPECT_EQ(dialogs.Log[0].Type, TMsgDlgType::mtWarning);
      EXPECT_EQ(dialogs.Log[0].Buttons, c.Buttons) << c.Message;
      EXPECT_EQ(dialogs.Log[0].Help, c.Help) << c.Message;
    }
    // Logged whole, shown or not.
    EXPECT_NE(test::ReadText(g->ExceptLogFile).find(c.Message), std::string::npos) << c.Message;
  }
}

TEST(Exceptions, GoldenLog) {
  TempDir d;
  auto g = Make(d);
  g->ExceptLogFile = d.File("logs/day/Except_2009_03_07.log");  // its folders do not exist yet
  const TComponent app("TApplication", "");
  const TComponent window("T_frm_main", "_frm_main", &app);
  const TComponent button("TdxBarButton", "dxSave", &window);
  g->LogException(&app, std::runtime_error("first"));
  g->LogException(&button, std::runtime_error("12000|second\r\nline"));
  EXPECT_EQ(test::ReadText(g->ExceptLogFile),
            "+-------------------------------------------------------+\r\n"
            "|         Quentavox Application Exception Log            |\r\n"
            "|         Tollywinder - windows application              |\r\n"
            "| Created Sat 07 March 2009 09:06\r\n"
            "+-------------------------------------------------------+\r\n"
            "\r\n"
            "\r\n"
            "07/03/2009 09:06\tTApplication\t() first\r\n"
            "\r\n"
            "07/03/2009 09:07\tTdxBarButton\t(dxSave) 12000|second\r\nline\r\n"
            "\t\t\t+- TApplication\t()\r\n"
            "\t\t\t|- T_frm_main\t(_frm_main)\r\n"
            "\t\t\t|- TdxBarButton\t(dxSave)\r\n");
}

TEST(Exceptions, SenderCases) {
  TempDir d;
  auto g = Make(d);
  const TObject notComponent("TStringList");
  const TComponent alone("TTimer", "");
  const TComponent app("TApplication", "");
  const TComponent window("T_frm_main", "_frm_main", &app);
  g->LogException(nullptr, std::runtime_error("a"));
  g->LogException(&notComponent, std::runtime_error("b"));
  g->LogException(&alone, std::runtime_error("c"));
  g->LogException(&window, std::runtime_error("d"));
  const std::string log = test::ReadText(g->ExceptLogFile);
  EXPECT_NE(log.find("\tN/A\t(N/A) a\r\n\r\n"), std::string::npos);
  EXPECT_NE(log.find("\tNot Component\t(Not Component) b\r\n\r\n"), std::string::npos);
  EXPECT_NE(log.find("\tTTimer\t() c\r\n\r\n"), std::string::npos);
  EXPECT_NE(log.find("\tT_frm_main\t(_frm_main) d\r\n\t\t\t+- TApplication\t()\r\n"
                     "\t\t\t|- T_frm_main\t(_frm_main)\r\n"),
            std::string::npos);
}

TEST(Exceptions, AnUnwritableLogIsReportedAndPlayGoesOn) {
  TempDir d;
  auto g = Make(d);
  d.Write("blocker", "a file where the log's folder should be");
  g->ExceptLogFile = d.File("blocker/Except.log");
  EXPECT_NO_THROW(g->AppException(nullptr, std::runtime_error("lost")));
}

TEST(Exceptions, NothingIsLoggedOnceTheSettingsAreGoing) {
  TempDir d;
  std::string logFile;
  {
    auto g = Make(d);
    logFile = g->ExceptLogFile;
    g->OnSaveError = [&](const std::string&) { g->LogException(nullptr, std::runtime_error("x")); };
    g->IniFileName = d.File("missing/app.ini");
  }
  EXPECT_FALSE(std::filesystem::exists(logFile));
}

}  // namespace
