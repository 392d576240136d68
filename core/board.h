// Board: the nine picture slots and the move counter, as plain data the game window mirrors.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Slots are numbered 1..9 row by row from the top left (row r, column c is slot 3r+c+1). A slot
// holds no picture (0) or one of the nine source pictures: 1..8 are the birds and 9 is the empty
// picture. Only a slot showing source 9 is empty; a slot without a picture is not empty and shows
// no source at all. Slot numbers outside 1..9 read as a hidden slot without a picture, and
// operations that change a slot ignore them.
struct Board {
    static constexpr int kSlotCount = 9;
    static constexpr int kEmptySource = 9;

    std::array<std::int8_t, kSlotCount> content{}; // content[slot - 1]; 0 = no picture
    std::array<bool, kSlotCount> shown{};          // shown[slot - 1]
    bool counterShown = false;
    std::string counterText{"0"};

    // Source shown in the slot, 0 when it has no picture.
    int source(int slot) const;
    // Whether the slot shows this source; never true for a slot without a picture.
    bool shows(int slot, int source) const;
    // Whether the slot shows the empty picture.
    bool isEmpty(int slot) const;
    bool isShown(int slot) const;

    // Puts source 1..9 into the slot; other values are ignored.
    void put(int slot, int source);
    // Gives the slot whatever fromSlot holds, picture or none.
    void copyPicture(int slot, int fromSlot);
    void clear(int slot);
    void show(int slot);
    void hide(int slot);

    void showCounter();
    // Sets the counter text to the decimal digits of count (count >= 0): "0", "17", "32767".
    void setCounter(int count);

    bool operator==(const Board &) const = default;
};
