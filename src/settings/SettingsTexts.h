#pragma once

// Every text the settings files and their fallbacks use, byte for byte (UTF-8 here, code page 932
// on disk). Kept in one place so a typo cannot make one file disagree with another.
namespace rukcon::settings::texts {

// Folders and files.
inline constexpr const char* kSettingsFolder = "設定";
inline constexpr const char* kHistoryFolder = "過去の設定";
inline constexpr const char* kLastExitFile = "前回.txt";
inline constexpr const char* kUserDefaultFile = "デフォ設定.txt";
inline constexpr const char* kUserMenuFile = "Menyu.txt";
inline constexpr const char* kWindowGeometryFile = "サイズ位置.txt";
inline constexpr const char* kButtonLayoutFile = "ボタン設定.txt";
inline constexpr const char* kAutoSwitchFile = "自動切替.txt";
// Where an installed copy keeps its settings: $XDG_CONFIG_HOME (or ~/.config) / kConfigSubfolder /
// kSettingsFolder.
inline constexpr const char* kConfigSubfolder = "rukcon";
// The folder of the click and alert effects, beside the executable or in the shared data folder.
inline constexpr const char* kEffectsFolder = "bgm";

// Key names of the key table that the built-in profiles use besides "なし".
inline constexpr const char* kKeyLeft = "←";
inline constexpr const char* kKeyRight = "→";
inline constexpr const char* kKeyUp = "↑";
inline constexpr const char* kKeyDown = "↓";
inline constexpr const char* kKeyF24 = "F24";

// The marker in field 0 of a used user-menu entry.
inline constexpr const char* kMenuMarker = "★";

// Booleans as the layout file stores them.
inline constexpr const char* kTrue = "True";
inline constexpr const char* kFalse = "False";

// History file names: date part, then date-time part.
inline constexpr const char* kYear = "年";
inline constexpr const char* kMonth = "月";
inline constexpr const char* kDay = "日";
inline constexpr const char* kHour = "時";
inline constexpr const char* kMinute = "分";
inline constexpr const char* kSecond = "秒";

// Messages for the message line (Label14).
inline constexpr const char* kMenuFullMessage = "メニューがいっぱいになってます。";
inline constexpr const char* kSaveFailedMessage = "設定を保存できませんでした。";
inline constexpr const char* kArchiveFailedMessage = "過去の設定に保存できないため削除しません。";

} // namespace rukcon::settings::texts
