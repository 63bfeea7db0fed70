#include "platform/wx/WxCommandIds.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace {
struct Table {
    std::unordered_map<UINT, int> toWx;
    std::vector<UINT> fromWx; // by wx id - kFirstMapped
};

Table& Ids() {
    static Table table;
    return table;
}
} // namespace

int CWxCommandIds::ToWx(UINT id) {
    if (id < kFirstMapped) return static_cast<int>(id);
    Table& t = Ids();
    auto it = t.toWx.find(id);
    if (it != t.toWx.end()) return it->second;
    int wxId = static_cast<int>(kFirstMapped + t.fromWx.size());
    t.toWx.emplace(id, wxId);
    t.fromWx.push_back(id);
    return wxId;
}

UINT CWxCommandIds::FromWx(int wxId) {
    const Table& t = Ids();
    if (wxId < static_cast<int>(kFirstMapped) ||
        static_cast<size_t>(wxId) - kFirstMapped >= t.fromWx.size())
        return static_cast<UINT>(wxId);
    return t.fromWx[static_cast<size_t>(wxId) - kFirstMapped];
}
