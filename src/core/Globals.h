// The settings object: app.ini, the derived paths, and the exception handler with its log.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Component.h"
#include "Dialogs.h"
#include "ExceptionHandler.h"

namespace tw {

struct TDateTime {
  int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
  int DayOfWeek = 6;  // 0 Sunday .. 6 Saturday
};

// Day and month names in the user's language.
struct TDateNames {
  std::vector<std::string> ShortDays;   // 7, from Sunday
  std::vector<std::string> LongMonths;  // 12, from January
  static TDateNames FromUserLocale();
};

using TClock = std::function<TDateTime()>;
TDateTime LocalNow();

inline constexpr const char* kSection = "general";
inline constexpr const char* kDefaultEmail = "player@tollywinder.invalid";
inline constexpr const char* kSkinNames[] = {"Black",  "Blue",   "Caramel",
                                             "Lilian", "Silver", "Xmas2008Blue"};

// "dd/mm/yyyy hh:nn" and "ddd dd mmmm yyyy hh:nn".
std::string FormatShortDateTime(const TDateTime& T);
std::string FormatLongDateTime(const TDateTime& T, const TDateNames& Names);

// The code of a "code|text" message, modulo 65536, and the text; false when the part before the
// first "|" is no integer (or there is no "|").
bool SplitCodedMessage(const std::string& Message, std::uint16_t& Code, std::string& Text);

class TGlobals final : public IExceptionHandler {
 public:
  // AppDir is the program folder with a trailing "/". Reads app.ini there, or writes it at once
  // when it is missing (throws EProjectError "Unable to write to ..." if that fails).
  explicit TGlobals(std::string AppDir, TClock Clock = LocalNow,
                    TDateNames Names = TDateNames::FromUserLocale());
  // Saves the settings; a failure goes to OnSaveError (or standard error).
  ~TGlobals() override;

  std::string MidiDevice;
  std::string WavDevice;
  std::int32_t MidiVolume = 0;
  std::int32_t WavVolume = 0;
  std::string Email;
  std::string Nick;
  std::string SkinName;
  std::string ExceptLogFile;
  std::string AppDir;
  std::string IniFileName;
  std::int32_t LastVictory = 0;

  // Where the dialogs of AppException are shown; until set they go to standard error.
  IDialogs* Dialogs = nullptr;
  std::function<void(const std::string& Message)> OnSaveError;

  // Writes the eight keys into app.ini, replacing it whole. Throws EProjectError.
  void SaveSettings();

  void AppException(const TObject* Sender, const std::exception& E);
  void LogException(const TObject* Sender, const std::exception& E);
  void HandleException(const TObject* Sender, const std::exception& E) override {
    AppException(Sender, E);
  }

  // AppDir + stem + "_yyyy_mm_dd" + "." + extension, for the start date.
  std::string DatedFileName(const std::string& FileName) const;

 private:
  TClock FClock;
  TDateNames FNames;
  TDateTime FStarted;
  bool FDestroying = false;
};

// The one settings object; null before it is made and from the moment it is being freed.
extern TGlobals* Globals;

}  // namespace tw
