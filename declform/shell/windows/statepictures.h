#pragma once

#include <QImage>
#include <QString>

/// The picture a saved declaration's state shows in the list: a green mark for "0" (saved
/// complete, 25 x 18), a red one for "9" (payment data incomplete, 23 x 16), a grey and black
/// one for "1" (16 x 16); a null picture for any other value.
QImage statePicture(const QString& estado);
