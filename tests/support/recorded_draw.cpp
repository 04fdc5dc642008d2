// One draw of a dial with every GL call recorded.

#include "recorded_draw.h"

namespace kestdial {

Recording RecordDraw(Dial& pDial, FBHUDElement::Rect pRect, std::optional<std::array<int, 4>> pViewport)
{
    if (pViewport) SetViewportAnswer(pViewport);
    Recording lRecording;
    {
        const GlRecorder lRecorder;
        pDial.Draw(pRect);
        lRecording = lRecorder.Result();
    }
    if (pViewport) SetViewportAnswer(std::nullopt);
    return lRecording;
}

} // namespace kestdial
