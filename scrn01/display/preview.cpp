// Fitting the preview picture into its window.
#include "scrn01/display/preview.h"

PicRect PreviewPlace(int clientW, int clientH)
{
    PicRect inner = {PreviewMargin, PreviewMargin, clientW - 2 * PreviewMargin,
                     clientH - 2 * PreviewMargin};
    return FitPicture(PreviewShowW, PreviewShowH, inner);
}
