#pragma once

#include <QImage>
#include <QString>

// A QR code for a text (the address a phone should open), made by
// libqrencode: one pixel per module, black on white, with the four-module
// quiet zone around it that readers need. A null image when the text cannot
// be encoded.
QImage qrCodeImage(const QString &text);
