#include "preview/previewstate.h"

PreviewState &PreviewState::instance()
{
    static PreviewState state;
    return state;
}
