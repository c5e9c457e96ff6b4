// Prints the frames the program sends for a sample edit on the default image: a first look at
// the wire format before a processor is attached.
#include <cstdio>

#include "core/ByteOrder.h"
#include "protocol/FrameBuilder.h"

namespace {

void Print(const char* what, const std::unique_ptr<corva::SendData>& frame) {
    std::printf("%-44s", what);
    for (const auto byte : frame->data()) {
        std::printf(" %02X", byte);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    corva::ParameterImage image;
    corva::ProtectionState protection;
    const corva::FrameBuilder builder(image, protection);

    Print("status poll:", builder.BuildPollFrame());
    Print("read output block FL:", builder.BuildBlockReadFrame(0, corva::BlockType::Output, 0,
                                                               corva::ReadPurpose::Store));
    auto band = image.Slot(0, corva::BlockType::Output, 2, 5);
    corva::WriteLe16(band, 0, 1000);
    corva::WriteLe16(band, 2, 600);
    corva::WriteLe16(band, 4, 20);
    Print("SL band 6 = 1000 Hz, 0 dB, index 20:",
          builder.BuildSlotFrame(corva::BlockType::Output, 2, 5));
    Print("main volume:", builder.BuildSystemFrame(corva::system_id::kMainVolume));
    return 0;
}
