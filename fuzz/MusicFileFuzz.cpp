// Arbitrary bytes offered as a music file to a whole session: a refused file must leave the
// session untouched; an accepted one is loaded into the model and must store back to the
// same record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/DocumentSerialize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    corva::ArchiveReader pure(bytes);
    const corva::MusicFileRead read = corva::ReadMusicFile(pure);

    corva::TuningSession session;
    const corva::PresetRecord before = [&] {
        corva::PresetRecord copy{};
        std::copy(session.engine().image.Live().begin(), session.engine().image.Live().end(), copy.begin());
        return copy;
    }();
    corva::ArchiveReader archive(bytes);
    const corva::Status status = corva::SerializeMusicFile(archive, session);
    if (status.ok() != read.status.ok()) {
        std::abort();
    }
    if (!status.ok()) {
        if (!std::equal(before.begin(), before.end(), session.engine().image.Live().begin()) ||
            session.engine().protection.isProtected) {
            std::abort();
        }
        return 0;
    }
    if (session.engine().protection.isProtected != read.content.isProtected) {
        std::abort();
    }
    (void)corva::ApplyMusicFileProtection(session);

    // The content read writes back to exactly the bytes it was read from.
    corva::ArchiveWriter writer;
    corva::WriteMusicFile(writer, read.content.record, read.content.isProtected);
    const auto written = writer.bytes();
    const bool canonical = size >= written.size() && bytes[0] == written[0];
    if (canonical && !std::equal(written.begin(), written.end(), bytes.begin())) {
        std::abort();
    }

    // Storing the loaded session gives a file that loads again.
    corva::ArchiveWriter stored;
    corva::SerializeMusicFile(stored, session);
    corva::ArchiveReader reread(stored.bytes());
    if (!corva::ReadMusicFile(reread).status.ok()) {
        std::abort();
    }
    return 0;
}
