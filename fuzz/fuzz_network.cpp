// Feeds raw numbers to the network's rules and the pick decoding: size,
// offsets, toggles, clearing, and selection buffers of any content. Checks
// that marks always equal what the routes' definition gives and that no
// entry beyond the size is ever set.
#include "view/network.h"
#include "view/picking.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

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
    for (int i = 0; i < kMaxNetworkSize; ++i)
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            if (i >= n || j >= n)
                check(net.terminalSelection(i, j) == 0 && net.terminalMark(i, j) == 0);
            for (int k = 0; k < kMaxNetworkSize; ++k)
                if (i >= n || j >= n || k >= n)
                    check(net.switchSelection(i, j, k) == 0);
            const RouteTrace r = net.trace(i, j);
            check(r.k >= -1 && r.k < n && r.i1 >= -1 && r.i1 < n && r.j1 >= -1 && r.j1 < n);
        }
    // Every destination carries exactly its one source's colours.
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const RouteTrace r = net.trace(i, j);
            if (r.arrives())
                check(net.terminalMark(r.i1, r.j1) == net.terminalSelection(i, j));
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
            if (SwitchNetwork::isValidSize(n)) {
                net.storeSize(n);
                net.clearSelections(n);
            }
            break;
        }
        case 1:
            net.storeOffsets(in.next(), in.next(), in.next());
            break;
        case 2:
            net.toggleTerminal(in.next(), in.next(), in.next() & 7);
            break;
        case 3:
            net.toggleSwitch(in.next(), in.next(), in.next(), in.next() & 7);
            break;
        case 4: {
            const int start = in.next() & 15;
            net.clearSelections(start);
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
        net.recomputeMarks();
        checkInvariants(net);
    }
    return 0;
}
