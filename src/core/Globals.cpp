#include "Globals.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <locale>
#include <sstream>

#include "Errors.h"
#include "FileUtil.h"
#include "IntText.h"
#include "ProfileFile.h"

namespace tw {

TGlobals* Globals = nullptr;

namespace {

constexpr const char* kBanner1 = "+-------------------------------------------------------+";
constexpr const char* kBanner2 = "|         Quentavox Application Exception Log            |";
constexpr const char* kBanner3 = "|         Tollywinder - windows application              |";
constexpr int kMaxChain = 256;

std::string Two(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}
std::string Four(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%04d", v);
  return b;
}

}  // namespace

TDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
          tm.tm_min,         tm.tm_sec,     tm.tm_wday};
}

TDateNames TDateNames::FromUserLocale() {
  std::locale loc = std::locale::classic();
  try {
    loc = std::locale("");
  } catch (const std::exception&) {
    // An unknown locale in the environment: keep the classic names.
  }
  TDateNames names;
  const auto& facet = std::use_facet<std::time_put<char>>(loc);
  auto put = [&](const std::tm& tm, char conversion) {
    std::ostringstream out;
    out.imbue(loc);
    facet.put(std::ostreambuf_iterator<char>(out), out, ' ', &tm, conversion);
    return out.str();
  };
  for (int d = 0; d < 7; ++d) {
    std::tm tm{};
    tm.tm_wday = d;
    names.ShortDays.push_back(put(tm, 'a'));
  }
  for (int m = 0; m < 12; ++m) {
    std::tm tm{};
    tm.tm_mon = m;
    names.LongMonths.push_back(put(tm, 'B'));
  }
  return names;
}

std::string FormatShortDateTime(const TDateTime& t) {
  return Two(t.Day) + "/" + Two(t.Month) + "/" + Four(t.Year) + " " + Two(t.Hour) + ":" +
         Two(t.Minute);
}

std::string FormatLongDateTime(const TDateTime& t, const TDateNames& n) {
  const std::string day = t.DayOfWeek >= 0 && t.DayOfWeek < int(n.ShortDays.size())
                              ? n.ShortDays[std::size_t(t.DayOfWeek)]
                              : "";
  const std::string month = t.Month >= 1 && t.Month <= int(n.LongMonths.size())
                                ? n.LongMonths[std::size_t(t.Month - 1)]
                                : "";
  return day + " " + Two(t.Day) + " " + month + " " + Four(t.Year) + " " + Two(t.Hour) + ":" +
         Two(t.Minute);
}

bool SplitCodedMessage(const std::string& Message, std::uint16_t& Code, std::string& Text) {
  const std::size_t bar = Message.find('|');
  if (bar == std::string::npos) return false;
  const auto value = ParseInt32(std::string_view(Message).substr(0, bar));
  if (!value) return false;
  Code = std::uint16_t(std::uint32_t(*value) & 0xFFFFu);
  Text = Message.substr(bar + 1);
  return true;
}

TGlobals::TGlobals(std::string Dir, TClock Clock, TDateNames Names)
    : AppDir(std::move(Dir)), FClock(std::move(Clock)), FNames(std::move(Names)) {
  FStarted = FClock();
  IniFileName = AppDir + "app.ini";
  if (FileExists(IniFileName)) {
    const TProfileDocument doc = ReadProfileFile(IniFileName);
    auto readInt = [&](const char* key, std::int32_t def) {
      return ParseInt32(doc.ReadString(kSection, key, "")).value_or(def);
    };
    LastVictory = readInt("last_victory", 0);
    MidiDevice = doc.ReadString(kSection, "MidiDevice", "SW Synth");
    WavDevice = doc.ReadString(kSection, "WavDevice", "Wave");
    MidiVolume = readInt("MidiVolume", -1);
    WavVolume = readInt("WavVolume", -1);
    Nick = doc.ReadString(kSection, "Nick", "quentavox");
    Email = doc.ReadString(kSection, "Email", kDefaultEmail);
    SkinName = doc.ReadString(kSection, "SkinName", "Blue");
    bool known = false;
    for (const char* name : kSkinNames) known = known || SkinName == name;
    if (!known) SkinName = "Blue";
  } else {
    LastVictory = 0;
    SaveSettings();
  }
  ExceptLogFile = DatedFileName("Except.log");
}

TGlobals::~TGlobals() {
  FDestroying = true;
  if (Globals == this) Globals = nullptr;
  try {
    SaveSettings();
  } catch (const std::exception& e) {
    if (OnSaveError) {
      OnSaveError(e.what());
    } else {
      std::fprintf(stderr, "tollywinder: %s\n", e.what());
    }
  }
}

void TGlobals::SaveSettings() {
  TProfileDocument doc;
  try {
    doc = ReadProfileFile(IniFileName);
  } catch (const std::exception& e) {
    throw EProjectError("Unable to write to " + IniFileName + " (" + e.what() + ")");
  }
  doc.WriteString(kSection, "last_victory", std::to_string(LastVictory));
  doc.WriteString(kSection, "MidiDevice", MidiDevice);
  doc.WriteString(kSection, "WavDevice", WavDevice);
  doc.WriteString(kSection, "MidiVolume", std::to_string(MidiVolume));
  doc.WriteString(kSection, "WavVolume", std::to_string(WavVolume));
  doc.WriteString(kSection, "Nick", Nick);
  doc.WriteString(kSection, "Email", Email);
  doc.WriteString(kSection, "SkinName", SkinName);
  WriteFileAtomically(IniFileName, doc.Text());
}

std::string TGlobals::DatedFileName(const std::string& FileName) const {
  const std::size_t dot = FileName.find('.');
  const std::string stem = FileName.substr(0, dot);
  const std::string date =
      "_" + Four(FStarted.Year) + "_" + Two(FStarted.Month) + "_" + Two(FStarted.Day);
  return AppDir + stem + date + (dot == std::string::npos ? "" : "." + FileName.substr(dot + 1));
}

void TGlobals::AppException(const TObject* Sender, const std::exception& E) {
  std::uint16_t code = 0;
  std::string text;
  if (SplitCodedMessage(E.what(), code, text)) {
    auto* project = dynamic_cast<const EProjectError*>(&E);
    int help = project ? project->HelpContext() : 0;
    if (help == 0) help = code;
    if (Dialogs) {
      if (help != 0) {
        Dialogs->MessageDlg(text, TMsgDlgType::mtWarning, mbOK | mbHelp, help);
      } else {
        Dialogs->MessageDlg(text, TMsgDlgType::mtWarning, mbOK, 0);
      }
    } else {
      std::fprintf(stderr, "tollywinder: warning: %s\n", text.c_str());
    }
  }
  LogException(Sender, E);
}

void TGlobals::LogException(const TObject* Sender, const std::exception& E) {
  if (FDestroying) return;
  std::vector<std::string> classes, names;
  if (!Sender) {
    classes.push_back("N/A");
    names.push_back("N/A");
  } else if (auto* c = dynamic_cast<const TComponent*>(Sender)) {
    for (int i = 0; c; c = c->Owner(), ++i) {
      if (i == kMaxChain) {  // an owner cycle: stop and mark it
        classes.push_back("N/A");
        names.push_back("N/A");
        break;
      }
      classes.push_back(c->ClassName());
      names.push_back(c->Name());
    }
  } else {
    classes.push_back("Not Component");
    names.push_back("Not Component");
  }

  const TDateTime now = FClock();
  std::string entry = "\r\n" + FormatShortDateTime(now) + "\t" + classes[0] + "\t(" + names[0] +
                      ") " + E.what() + "\r\n";
  if (classes.size() > 1) {
    entry += "\t\t\t+- " + classes.back() + "\t(" + names.back() + ")\r\n";
    for (std::size_t i = classes.size() - 1; i-- > 0;) {
      entry += "\t\t\t|- " + classes[i] + "\t(" + names[i] + ")\r\n";
    }
  }

  // Never throws: a log that cannot be written is reported and the program goes on.
  auto report = [&](const char* what) {
    std::fprintf(stderr, "tollywinder: cannot %s the exception log %s: %s\n", what,
                 ExceptLogFile.c_str(), std::strerror(errno));
  };
  std::error_code ec;
  const std::filesystem::path path(ExceptLogFile);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  bool created = true;
  int fd = ::open(ExceptLogFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0 && errno == EEXIST) {
    created = false;
    fd = ::open(ExceptLogFile.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  }
  if (fd < 0) {
    report("open");
    return;
  }
  std::string text;
  if (created) {
    text = std::string(kBanner1) + "\r\n" + kBanner2 + "\r\n" + kBanner3 + "\r\n" + "| Created " +
           FormatLongDateTime(now, FNames) + "\r\n" + kBanner1 + "\r\n" + "\r\n";
  }
  text += entry;
  if (!WriteAll(fd, text)) report("write");
  if (::close(fd) != 0) report("close");
}

}  // namespace tw
