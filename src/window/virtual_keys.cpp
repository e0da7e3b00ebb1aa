#include "window/virtual_keys.h"

#include <array>
#include <utility>

namespace tandrel {

namespace {

struct KeyCode {
    int qtKey;
    int code;
};

// Keys whose code does not follow from their character. Shifted symbols carry the code of
// the key they are typed on (US layout), as a physical key press would.
constexpr std::array<KeyCode, 71> namedKeys{{
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},      {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},         {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},        {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},       {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Help, 47},
    {Qt::Key_Menu, 93},        {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},          {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},  {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},       {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},       {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},   {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},  {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},        {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},   {Qt::Key_F1, 112},
    {Qt::Key_F2, 113},         {Qt::Key_F3, 114},
    {Qt::Key_F4, 115},         {Qt::Key_F5, 116},
    {Qt::Key_F6, 117},         {Qt::Key_F7, 118},
    {Qt::Key_F8, 119},         {Qt::Key_F9, 120},
    {Qt::Key_F10, 121},        {Qt::Key_F11, 122},
    {Qt::Key_F12, 123},
}};

// The keypad's own keys; its Enter is the Enter key.
constexpr std::array<KeyCode, 6> keypadKeys{{
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},
    {Qt::Key_Slash, 111},
}};

// Tokens of the typing field, in the order the key handler compares them.
constexpr std::array<std::pair<int, const char*>, 15> typingTokens{{
    {145, "{SCROLLLOCK}"},
    {8, "{BACKSPACE}"},
    {9, "{TAB}"},
    {13, "{ENTER}"},
    {27, "{ESC}"},
    {33, "{PGUP}"},
    {34, "{PGDN}"},
    {35, "{END}"},
    {36, "{HOME}"},
    {37, "{LEFT}"},
    {38, "{UP}"},
    {39, "{RIGHT}"},
    {40, "{DOWN}"},
    {45, "{INSERT}"},
    {144, "{NUMLOCK}"},
}};

// Tokens of the dialog field, in the order its key handler compares them; the function
// keys follow.
constexpr std::array<std::pair<int, const char*>, 21> dialogTokens{{
    {18, "{ALT}"},         {121, "{F10}"},      {9, "{TAB}"},     {20, "{CAPSLOCK}"},
    {145, "{SCROLLLOCK}"}, {8, "{BACKSPACE} "}, {13, "{ENTER}"},  {16, "{SHIFT}"},
    {17, "{CTRL}"},        {27, "{ESC}"},       {33, "{PGUP}"},   {34, "{PGDN}"},
    {35, "{END}"},         {36, "{HOME}"},      {37, "{LEFT}"},   {38, "{UP}"},
    {39, "{RIGHT}"},       {40, "{DOWN}"},      {45, "{INSERT}"}, {46, "{DELETE}"},
    {144, "{NUMLOCK}"},
}};

bool isFunctionKeyWithToken(int keyCode) {
    return (keyCode >= 112 && keyCode <= 120) || (keyCode >= 122 && keyCode <= 127);
}

QString functionKeyToken(int keyCode) {
    return QStringLiteral("{F%1}").arg(keyCode - 111);
}

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 96 + (qtKey - Qt::Key_0);
        for (const KeyCode& key : keypadKeys) {
            if (key.qtKey == qtKey)
                return key.code;
        }
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F13 && qtKey <= Qt::Key_F16)
        return 124 + (qtKey - Qt::Key_F13);
    for (const KeyCode& key : namedKeys) {
        if (key.qtKey == qtKey)
            return key.code;
    }
    return 0;
}

QString typingFieldToken(int keyCode) {
    for (const auto& [code, token] : typingTokens) {
        if (code == keyCode)
            return QLatin1String(token);
    }
    return isFunctionKeyWithToken(keyCode) ? functionKeyToken(keyCode) : QString();
}

QString dialogFieldToken(int keyCode) {
    for (const auto& [code, token] : dialogTokens) {
        if (code == keyCode)
            return QLatin1String(token);
    }
    return isFunctionKeyWithToken(keyCode) ? functionKeyToken(keyCode) : QString();
}

} // namespace tandrel
