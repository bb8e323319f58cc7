// Feeds raw numbers to the network's rules and the pick decoding: size,
// offsets, toggles, clearing, and selection buffers of any content. Checks
// after every operation, with nothing recomputed by the caller, that the
// marks equal what the rules give and that no entry beyond the size is set.
#include "core/network.h"
#include "scene/picking.h"
#include "support/marksoracle.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace ts;

namespace {
struct Reader
{
    const std::uint8_t *data;
    size_t size;
    int next()
    {
        int value = 0;
        const size_t take = size < sizeof value ? size : sizeof value;
        std::memcpy(&value, data, take);
        data += take;
        size -= take;
        return value;
    }
    bool more() const { return size > 0; }
};

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkInvariants(const SwitchNetwork &net)
{
    const int n = net.size();
    check(SwitchNetwork::isValidSize(n));
    check(oracle::nothingBeyondSize(net));
    // The model rebuilt its marks by itself after whatever came before.
    check(net.marks().arrivals == oracle::expectedMarks(net));
    for (int i = 0; i < kMaxNetworkSize; ++i)
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            const RouteTrace r = net.trace(i, j);
            check(r.k >= -1 && r.k < n && r.i1 >= -1 && r.i1 < n && r.j1 >= -1 && r.j1 < n);
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    Reader in{data, size};
    SwitchNetwork net;
    while (in.more()) {
        const int op = in.next() & 7;
        switch (op) {
        case 0: {
            const int n = in.next();
            const int before = net.size();
            check(net.setSize(n) == SwitchNetwork::isValidSize(n));
            check(net.size() == (SwitchNetwork::isValidSize(n) ? n : before));
            break;
        }
        case 1:
            for (const PlaneFamily family : kAllPlaneFamilies)
                net.setOffset(family, in.next());
            break;
        case 2:
            net.toggleTerminal(in.next(), in.next(), in.next() & 7);
            break;
        case 3:
            net.toggleSwitch(in.next(), in.next(), in.next(), in.next() & 7);
            break;
        case 4: {
            net.clearFrom(in.next() & 15);
            break;
        }
        case 5: { // a selection buffer straight from the input
            const int hits = in.next();
            std::vector<std::uint32_t> buffer;
            for (int words = in.next() & 63; words > 0 && in.more(); --words)
                buffer.push_back(static_cast<std::uint32_t>(in.next()));
            const PickResult result = walkHits(buffer.data(), buffer.size(), hits);
            const PickedBox box = decodePickName(result.name, net.size());
            check(box.kind == PickedBox::Nothing || (box.i >= 0 && box.i < net.size() && box.j >= 0 &&
                                                     box.j < net.size() && box.k < net.size()));
            if (box.kind == PickedBox::Terminal)
                net.toggleTerminal(box.i, box.j, 1);
            else if (box.kind == PickedBox::Switch)
                net.toggleSwitch(box.i, box.j, box.k, 2);
            break;
        }
        default: {
            int k, i1, j1;
            net.traceRoute(in.next(), in.next(), &k, &i1, &j1);
            check(k >= -1 && k < net.size() && i1 >= -1 && j1 >= -1);
            break;
        }
        }
        checkInvariants(net);
    }
    return 0;
}
