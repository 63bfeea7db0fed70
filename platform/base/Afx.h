#pragma once
// Window-system constants, with the values and names of the platform the program was designed
// on. The functions that use them are in platform/framework/SystemServices.h.

// Message-box buttons and icons.
constexpr unsigned MB_OK = 0x00000000;
constexpr unsigned MB_OKCANCEL = 0x00000001;
constexpr unsigned MB_YESNOCANCEL = 0x00000003;
constexpr unsigned MB_YESNO = 0x00000004;
constexpr unsigned MB_ICONSTOP = 0x00000010;
constexpr unsigned MB_ICONHAND = MB_ICONSTOP;
constexpr unsigned MB_ICONQUESTION = 0x00000020;
constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
constexpr unsigned MB_ICONINFORMATION = 0x00000040;
constexpr unsigned MB_TYPEMASK = 0x0000000F;
constexpr unsigned MB_ICONMASK = 0x000000F0;

// Message-box answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Predefined clipboard formats.
constexpr unsigned CF_TEXT = 1;
