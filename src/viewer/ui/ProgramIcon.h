#pragma once

#include <QIcon>

// Vantrel's icon: a stretch of track, drawn rather than shipped as a file.
class CProgramIcon
{
public:
    static QIcon Icon();
};
