// libFuzzer target: whatever the instrument sends and however the port cuts
// it into pieces, the receive stays inside its image, counts no more than it
// expects, and ends as the same stream taken in one piece ends.

#include "receive_protocol.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kMostPieces = 64;
constexpr uint32_t kLongestPiece = 1 << 18;

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

ReceiveProtocol &protocol(int which)
{
    static ReceiveProtocol *both = new ReceiveProtocol[2];
    return both[which];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    std::vector<uint32_t> pieces(provider.ConsumeIntegralInRange<int>(0, kMostPieces));
    for (uint32_t &piece : pieces)
        piece = provider.ConsumeIntegralInRange<uint32_t>(0, kLongestPiece);
    const std::vector<uint8_t> stream = provider.ConsumeRemainingBytes<uint8_t>();

    ReceiveProtocol &whole = protocol(0);
    whole.start();
    whole.feed(stream.data(), static_cast<int64_t>(stream.size()));

    ReceiveProtocol &cut = protocol(1);
    cut.start();
    std::size_t at = 0;
    for (const uint32_t piece : pieces) {
        const std::size_t length = std::min<std::size_t>(piece, stream.size() - at);
        cut.feed(stream.data() + at, static_cast<int64_t>(length));
        at += length;
        require(cut.received_count() <= cut.expected_count());
        require(cut.progressPercent() >= 0 && cut.progressPercent() < 100);
    }
    cut.feed(stream.data() + at, static_cast<int64_t>(stream.size() - at));

    require(cut.outcome() == whole.outcome());
    require(cut.received_count() == whole.received_count());
    require((whole.outcome() == ReceiveProtocol::Outcome::Completed) == (whole.received_count() == whole.expected_count()));
    require(cut.image() == whole.image());
    return 0;
}
