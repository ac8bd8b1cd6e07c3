#include "skin/skin_table.h"

#include <algorithm>

namespace motrevix {
namespace {

using L = SkinLook;
constexpr SkinState N = SkinState::Normal;
constexpr SkinState P = SkinState::Pressed;
constexpr SkinState A = SkinState::Lit;

const SkinArt kTable[] = {
    // Backgrounds and strips.
    {230, {1080, 710}, "main window background, standard layouts", L::Background},
    {303, {1011, 731}, "main window background, extended layout", L::Background},
    {319, {633, 350}, "thumbnail page and frame strip backdrop", L::Background},
    {362, {286, 37}, "speed digits 0-9 and a blank cell, 26 x 37 each", L::Digits},
    {220, {714, 67}, "G-sensor graph background", L::Graph},
    {332, {26, 37}, "cell behind one speed digit", L::Cell},
    {391, {751, 50}, "full-screen control bar background", L::Segment},

    // Transport, windowed.
    {241, {32, 32}, "previous file", L::Plate, N, "previous"},
    {288, {32, 32}, "previous file, pressed", L::Plate, P, "previous"},
    {232, {45, 45}, "play", L::Plate, N, "play"},
    {278, {45, 45}, "pause", L::Plate, A, "pause"},
    {240, {40, 40}, "stop", L::Plate, N, "stop"},
    {287, {40, 40}, "stop, pressed", L::Plate, P, "stop"},
    {244, {32, 32}, "next file", L::Plate, N, "next"},
    {291, {32, 32}, "next file, pressed", L::Plate, P, "next"},
    {242, {32, 32}, "one second back", L::Plate, N, "second-back"},
    {289, {32, 32}, "one second back, pressed", L::Plate, P, "second-back"},
    {243, {32, 32}, "one second forward", L::Plate, N, "second-next"},
    {290, {32, 32}, "one second forward, pressed", L::Plate, P, "second-next"},
    {245, {32, 32}, "frame step", L::Plate, N, "frame-step"},
    {292, {32, 32}, "frame step, pressed", L::Plate, P, "frame-step"},

    // Transport, full screen: pieces of the bar along the bottom edge.
    {363, {44, 50}, "previous file, full screen", L::Segment, N, "previous"},
    {364, {44, 50}, "previous file, full screen, pressed", L::Segment, P, "previous"},
    {377, {49, 50}, "play, full screen", L::Segment, N, "play"},
    {375, {49, 50}, "pause, full screen", L::Segment, A, "pause"},
    {373, {36, 50}, "next file, full screen", L::Segment, N, "next"},
    {374, {36, 50}, "next file, full screen, pressed", L::Segment, P, "next"},
    {369, {36, 50}, "one second back, full screen", L::Segment, N, "second-back"},
    {370, {36, 50}, "one second back, full screen, pressed", L::Segment, P, "second-back"},
    {367, {36, 50}, "one second forward, full screen", L::Segment, N, "second-next"},
    {368, {36, 50}, "one second forward, full screen, pressed", L::Segment, P, "second-next"},
    {365, {44, 50}, "frame step, full screen", L::Segment, N, "frame-step"},
    {366, {44, 50}, "frame step, full screen, pressed", L::Segment, P, "frame-step"},

    // Window buttons.
    {264, {19, 19}, "minimise", L::Plate, N, "minimize"},
    {396, {19, 19}, "minimise, pressed", L::Plate, P, "minimize"},
    {263, {19, 19}, "full screen", L::Plate, N, "full-screen"},
    {395, {19, 19}, "full screen, pressed", L::Plate, P, "full-screen"},
    {277, {19, 19}, "original screen", L::Plate, N, "original-screen"},
    {265, {19, 19}, "close", L::Plate, N, "close"},
    {394, {19, 19}, "close, pressed", L::Plate, P, "close"},
    {383, {17, 16}, "minimise, full screen", L::Plate, N, "minimize"},
    {384, {17, 16}, "minimise, full screen, pressed", L::Plate, P, "minimize"},
    {392, {17, 16}, "full screen stretch, full screen", L::Plate, N, "full-screen"},
    {393, {17, 16}, "full screen stretch, full screen, pressed", L::Plate, P, "full-screen"},
    {385, {17, 16}, "original screen, full screen", L::Plate, N, "original-screen"},
    {386, {17, 16}, "original screen, full screen, pressed", L::Plate, P, "original-screen"},
    {381, {17, 16}, "close, full screen", L::Plate, N, "close"},
    {382, {17, 16}, "close, full screen, pressed", L::Plate, P, "close"},

    // Tools of the control strip.
    {239, {32, 32}, "select drive", L::Plate, N, "drive"},
    {286, {32, 32}, "select drive, pressed", L::Plate, P, "drive"},
    {268, {34, 34}, "configuration", L::Plate, N, "configuration"},
    {279, {34, 34}, "configuration, pressed", L::Plate, P, "configuration"},
    {272, {34, 34}, "recording repair", L::Plate, N, "repair"},
    {271, {32, 32}, "capture", L::Plate, N, "capture"},
    {285, {32, 32}, "capture, pressed", L::Plate, P, "capture"},
    {345, {32, 32}, "print", L::Plate, N, "print"},
    {269, {32, 32}, "magnifier", L::Plate, N, "magnifier"},
    {282, {32, 32}, "magnifier, pressed", L::Plate, P, "magnifier"},
    {270, {25, 25}, "G-sensor graph window", L::Plate, N, "graph"},
    {281, {25, 25}, "G-sensor graph window, pressed", L::Plate, P, "graph"},
    {327, {40, 16}, "information", L::Plate, N, nullptr, "INFO"},
    {328, {40, 16}, "information, pressed", L::Plate, P, nullptr, "INFO"},
    {400, {40, 16}, "SD card format", L::Plate, N, nullptr, "FORMAT"},
    {401, {40, 16}, "SD card format, pressed", L::Plate, P, nullptr, "FORMAT"},
    {343, {39, 21}, "speed unit reading km/h", L::Plate, N, nullptr, "km/h"},
    {344, {39, 21}, "speed unit reading mph", L::Plate, N, nullptr, "mph"},
    {221, {24, 20}, "brightness reset", L::Plate, N, "brightness"},
    {358, {24, 20}, "brightness reset, pressed", L::Plate, P, "brightness"},

    // Panes.
    {350, {64, 34}, "CH1, grey", L::Plate, N, nullptr, "CH1"},
    {351, {64, 34}, "CH1, highlighted", L::Plate, A, nullptr, "CH1"},
    {352, {64, 34}, "CH2, grey", L::Plate, N, nullptr, "CH2"},
    {353, {64, 34}, "CH2, highlighted", L::Plate, A, nullptr, "CH2"},
    {354, {64, 34}, "MAP, grey", L::Plate, N, nullptr, "MAP"},
    {355, {64, 34}, "MAP, highlighted", L::Plate, A, nullptr, "MAP"},
    {247, {120, 25}, "swap the large picture and the inset", L::Plate, N, "swap", "Swap"},
    {249, {124, 22}, "map into and out of the inset", L::Plate, N, "map", "Map View"},
    {262,
     {124, 22},
     "rear picture in the inset (also its mask)",
     L::Masked,
     N,
     "rear-camera",
     "Rear View"},
    {274, {124, 22}, "map in the inset (also its mask)", L::Masked, N, "map", "Map View"},

    // Two-state picture and sound buttons; the normal face is also the mask.
    {267, {24, 20}, "loudspeaker (also the mute button's mask)", L::Masked, N, "speaker"},
    {293, {24, 20}, "loudspeaker struck out", L::Masked, A, "speaker-muted"},
    {275, {32, 32}, "mirror (also its mask)", L::Masked, N, "mirror"},
    {284, {32, 32}, "mirror, blue", L::Masked, A, "mirror"},
    {276, {32, 32}, "flip vertical (also its mask)", L::Masked, N, "flip"},
    {283, {32, 32}, "flip vertical, blue", L::Masked, A, "flip"},
    {371, {34, 34}, "mirror, full screen (also its mask)", L::Masked, N, "mirror"},
    {372, {34, 34}, "mirror, full screen, blue", L::Masked, A, "mirror"},
    {379, {34, 34}, "flip vertical, full screen (also its mask)", L::Masked, N, "flip"},
    {380, {34, 34}, "flip vertical, full screen, blue", L::Masked, A, "flip"},

    // List and thumbnails.
    {323, {52, 31}, "category ALL", L::Tab, N, nullptr, "ALL"},
    {324, {52, 31}, "category ALL, selected", L::Tab, A, nullptr, "ALL"},
    {297, {52, 31}, "category Normal", L::Tab, N, nullptr, "Normal"},
    {298, {52, 31}, "category Normal, selected", L::Tab, A, nullptr, "Normal"},
    {295, {52, 31}, "category Event", L::Tab, N, nullptr, "Event"},
    {296, {52, 31}, "category Event, selected", L::Tab, A, nullptr, "Event"},
    {325, {52, 31}, "category Parking", L::Tab, N, nullptr, "Parking"},
    {326, {52, 31}, "category Parking, selected", L::Tab, A, nullptr, "Parking"},
    {299, {82, 23}, "category Motion", L::Tab, N, nullptr, "Motion"},
    {300, {82, 23}, "category Motion, selected", L::Tab, A, nullptr, "Motion"},
    {301, {82, 23}, "category Manual", L::Tab, N, nullptr, "Manual"},
    {302, {82, 23}, "category Manual, selected", L::Tab, A, nullptr, "Manual"},
    {330, {32, 32}, "folder open", L::Plate, N, "folder"},
    {331, {32, 32}, "folder open, selected", L::Plate, A, "folder"},
    {273, {35, 25}, "list review", L::Plate, N, "list"},
    {309, {25, 25}, "thumbnail page", L::Plate, N, "grid"},
    {308, {25, 25}, "frame strip", L::Plate, N, "strip"},
    {307, {10, 60}, "previous thumbnail page", L::Plate, N, "chevron-left"},
    {305, {10, 60}, "next thumbnail page", L::Plate, N, "chevron-right"},
    {310, {60, 12}, "extended layout", L::Plate, N, nullptr, "EXT"},

    // Sliders: thumbs and tracks.
    {356, {5, 20}, "progress thumb, blue stroke", L::Thumb, A},
    {233, {5, 20}, "slider thumb, grey", L::Thumb, N},
    {236, {727, 17}, "progress track, empty", L::Track, N},
    {237, {727, 17}, "progress track, filled", L::Track, A},
    {388, {727, 17}, "progress track, empty, full screen", L::Track, N},
    {387, {727, 17}, "progress track, filled, full screen", L::Track, A},
    {250, {90, 20}, "brightness track, empty", L::Track, N, nullptr, "tick"},
    {251, {90, 20}, "brightness track, filled", L::Track, A, nullptr, "tick"},
    {252, {90, 20}, "volume track, empty", L::Track, N, nullptr, "tick"},
    {253, {90, 20}, "volume track, filled", L::Track, A, nullptr, "tick"},
    {254, {680, 20}, "hour track, extended layout", L::Track, N},
    {257, {680, 20}, "minute and second track, empty, extended layout", L::Track, N},
    {256, {680, 20}, "minute and second track, filled, extended layout", L::Track, A},
    {kRateTrackEmpty, {179, 20}, "rate track, empty", L::Track, N, nullptr, "tick"},
    {kRateTrackFilled, {179, 20}, "rate track, filled", L::Track, A, nullptr, "tick"},
    {kRateThumb, {5, 20}, "rate thumb", L::Thumb, A},
};

}  // namespace

std::span<const SkinArt> SkinTable() { return kTable; }

const SkinArt* FindSkinArt(int number) {
  const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                               [number](const SkinArt& art) { return art.number == number; });
  return it == std::end(kTable) ? nullptr : &*it;
}

}  // namespace motrevix
