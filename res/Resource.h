#pragma once

// Resource numbers of skinview. The windows are built in code; the numbers
// stay because commands and the skin engine refer to them.
inline constexpr int IDD_SKINVIEW_DIALOG = 102; // the main window
inline constexpr int IDR_MAINFRAME = 128;       // the application icon
inline constexpr int IDR_MENU_SKIN = 130;       // the "&Change Skin" menu
inline constexpr int IDD_TASKNOTIFIER = 131;    // the notifier popup
inline constexpr int IDC_VIEWER = 1046;         // the image viewer control
