// Which menu texture suits the menu text colour.
#ifndef ZELMORA_MENU_BRUSH_CHOICE_H
#define ZELMORA_MENU_BRUSH_CHOICE_H

// Lightness of a colour 0x00BBGGRR: 0.30 R + 0.59 G + 0.11 B in extended precision,
// summed as (R + G) + B and truncated to a byte.
int MenuTextLightness(unsigned long colour);

// True when text of that colour needs the inverted texture (lightness above 128).
bool WantsInverseTexture(unsigned long menuTextColour);

#endif
