#include "core/data/PartySymbol.h"

#include <initializer_list>

namespace rollscan {

bool IsSouthernState(int s)
{
    return (s >= 40 && s <= 49) || s == 51 || s == 53 || s == 54;
}

int PartySymbolIndex(int party, int state, int congress)
{
    if (party == 100)
        return (congress >= 25 && IsSouthernState(state)) ? 3 : 5;
    if (party >= 300 && party <= 308)
        return 12;

    struct Row {
        int index;
        std::initializer_list<int> codes;
    };
    static const Row table[] = {
        {1, {1}},
        {2, {200}},
        {3, {500}},
        {4, {328, 329, 331, 603}},
        {6, {29}},
        {7, {101}},
        {8, {46, 48}},
        {9, {117, 118}},
        {10, {37, 203, 204, 206, 4444}},
        {11, {212}},
        {13, {340}},
        {14, {108, 208, 402, 403}},
        {15, {401}},
        {16, {9}},
        {17, {11}},
        {18, {12}},
        {19, {13}},
        {20, {25, 214}},
        {21, {112, 1116}},
        {22, {537}},
        {23, {213, 370, 985}},
        {24, {40, 353, 354, 1060}},
        {25, {10, 14, 28, 34, 36, 41, 104, 105, 110, 119, 202, 215, 333, 336, 337, 3333}},
        {26, {9000}},
        {27, {310, 4000}},
        {28, {5000}},
        {29, {114, 555, 1346, 7000}},
        {30, {22, 1275, 8000, 8888}},
        {31, {6000, 7777}},
        {32, {43, 44}},
        {33, {26}},
        {34, {326}},
        {35, {355, 356, 522}},
        {36, {380}},
        {37, {347}},
        {38, {1111}},
    };
    for (const Row &row : table)
        for (int code : row.codes)
            if (code == party)
                return row.index;
    return kUndefinedParty;
}

} // namespace rollscan
