#pragma once

#include <QIcon>
#include <QString>

// The small pictures of the prefix list and the name list, drawn in code:
// "germany", "austria", "switzerland", "world" and "user".
QIcon listPicture(const QString& name);
