// The game's pictures, loaded once from the resources compiled into the program.
#pragma once

#include <QPixmap>
#include <QString>

#include "core/picture_id.h"

namespace zentar {

// The resource path of a picture, such as ":/pictures/kao03.png".
QString pictureResource(PictureId id);

// The picture; an empty pixmap for PictureId::None or a missing file.
const QPixmap& picture(PictureId id);

}  // namespace zentar
