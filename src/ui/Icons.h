// The icons of the ribbon and the status bar, and the victory dialog's award picture: PNG
// files in icons/ beside the program, drawn by tools/gen_icons from the same code that draws
// a stand-in when a file is missing.
#pragma once

#include <QIcon>
#include <QImage>
#include <QStringList>
#include <string>

namespace tw {

// "open", "save", "refresh", "close", "help", "link", "window", "ribbon", the six skin names,
// and "award" (the victory picture, drawn at any size).
QStringList GameIconNames();
QImage DrawGameIcon(const QString& Name, int Size);

// icons/NAME.png (32 pixels) or icons/NAME_16.png, else the drawing at Size.
QIcon GameIcon(const std::string& AppDir, const QString& Name, int Size = 32);

}  // namespace tw
