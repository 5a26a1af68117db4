// Control state of the screens: plain records holding only what the rules read or
// write. Geometry is in twips (15 twips a pixel at 96 dpi).
#pragma once

#include <QString>
#include <QStringList>

#include "core/picture_id.h"

namespace zentar {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Control {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool Enabled = true;
};

struct Label : Control {
    QString Caption;
    Rgb ForeColor{0, 0, 0};
};

struct TextBox : Control {
    QString Text;
    int MaxLength = 0;  // 0: no limit
};

struct Button : Control {
    QString Caption;
};

struct Frame : Control {
    Rgb BackColor{192, 192, 192};
};

struct Picture : Control {
    PictureId picture = PictureId::None;
};

struct ComboBox : Control {
    QStringList List;
    int ListIndex = -1;  // -1: nothing chosen
    QString Text() const {
        return ListIndex >= 0 && ListIndex < List.size() ? List[ListIndex] : QString();
    }
};

struct ScrollBar : Control {
    int Min = 0, Max = 0, Value = 0;
};

struct Timer {
    int Interval = 0;  // milliseconds; 1 means as often as the platform allows
    bool Enabled = false;
};

// Builds a control record at its design position.
template <typename C>
C at(float left, float top, float width, float height) {
    C c;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    return c;
}

}  // namespace zentar
