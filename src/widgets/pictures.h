// The game's pictures, each loaded once from the resources compiled into the program,
// and their copies scaled to a sprite's size. The application owns the one set the
// windows draw from.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <array>

#include "core/picture_id.h"

namespace zentar {

// The resource path of a picture, such as ":/pictures/kao03.png".
QString pictureResource(PictureId id);

class Pictures {
  public:
    // The picture; an empty pixmap for PictureId::None or a missing file.
    const QPixmap& picture(PictureId id);
    // The picture scaled once to `size`, instead of on every frame.
    const QPixmap& scaled(PictureId id, QSize size);

  private:
    static constexpr int kCount = static_cast<int>(PictureId::Count);
    std::array<QPixmap, kCount> pictures_;
    std::array<bool, kCount> loaded_{};
    const QPixmap none_;
    QHash<quint64, QPixmap> scaled_;
};

}  // namespace zentar
