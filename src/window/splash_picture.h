#pragma once

#include <QPixmap>

namespace tandrel {

// The start screen's picture: the product's name and its slogan over a landscape.
QPixmap drawSplashPicture(QSize size);

} // namespace tandrel
