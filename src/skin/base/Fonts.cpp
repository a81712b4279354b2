#include "Fonts.h"

QFont SansSerifFont(bool bold)
{
    QFont font(SansSerifFamily);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

QFont TitleFont()
{
    QFont font(TitleFamily);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}
