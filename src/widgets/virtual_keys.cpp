#include "widgets/virtual_keys.h"

#include <QKeyEvent>

namespace zentar {
namespace {

constexpr int kNotAGameKey = -1;
constexpr int kUnnamedKey = 255;

struct KeyCode {
    int qt;
    int vk;
};

// Keys that mean the same wherever they sit.
constexpr KeyCode kNamedKeys[] = {
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Space, 32},
    {Qt::Key_Escape, 27},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Home, 36},
    {Qt::Key_End, 35},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_Clear, 12},
    {Qt::Key_Pause, 19},
    {Qt::Key_Print, 44},
    {Qt::Key_Menu, 93},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Henkan, 28},
    {Qt::Key_Muhenkan, 29},
    {Qt::Key_Kanji, 25},
    {Qt::Key_Zenkaku_Hankaku, 243},
    {Qt::Key_Hiragana_Katakana, 242},
};

// The signs of the main block, by the key that types them: the shifted signs of the
// digit row, then the punctuation keys (the OEM codes).
constexpr KeyCode kSignKeys[] = {
    {Qt::Key_ParenRight, 48},   {Qt::Key_Exclam, 49},      {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},   {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},  {Qt::Key_Ampersand, 55},   {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},    {Qt::Key_Semicolon, 186},  {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},       {Qt::Key_Plus, 187},       {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},        {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},      {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},    {Qt::Key_QuoteLeft, 192},  {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},  {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},         {Qt::Key_yen, 220},        {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},  {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
};

// The keypad's own keys; with Num Lock off its 0 still pauses a battle.
constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_Insert, 96},  {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110}, {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111},
};

constexpr int kModifierKeys[] = {
    Qt::Key_Shift,   Qt::Key_Control,     Qt::Key_Alt,     Qt::Key_AltGr,   Qt::Key_Meta,
    Qt::Key_Super_L, Qt::Key_Super_R,     Qt::Key_Hyper_L, Qt::Key_Hyper_R, Qt::Key_CapsLock,
    Qt::Key_NumLock, Qt::Key_Mode_switch, Qt::Key_unknown,
};

template <std::size_t N>
int lookUp(const KeyCode (&table)[N], int key) {
    for (const KeyCode& k : table)
        if (k.qt == key) return k.vk;
    return kUnnamedKey;
}

}  // namespace

int virtualKey(const QKeyEvent* e) {
    const int k = e->key();
    for (int modifier : kModifierKeys)
        if (k == modifier) return kNotAGameKey;
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : 48) + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    if (keypad) {
        if (const int vk = lookUp(kKeypadKeys, k); vk != kUnnamedKey) return vk;
    }
    if (const int vk = lookUp(kNamedKeys, k); vk != kUnnamedKey) return vk;
    return lookUp(kSignKeys, k);
}

}  // namespace zentar
