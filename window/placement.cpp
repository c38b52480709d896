// Where the main window goes.
#include "placement.h"

void CentreInWorkArea(int workLeft, int workTop, int workRight, int workBottom, int width, int height, int& x,
                      int& y)
{
    int workWidth = workRight - workLeft;
    int workHeight = workBottom - workTop;
    if (workWidth < width || workHeight < height) {
        x = DefaultPosition;
        y = DefaultPosition;
        return;
    }
    // The odd pixel goes to the right and below.
    x = workLeft + (workWidth - width) / 2;
    y = workTop + (workHeight - height) / 2;
}
