#pragma once

namespace rollscan {

class Session;

// What the roll-call list can offer beside the ideological display, judged by the files of the tree.
struct CongressExtras {
    bool usMap = false;   // the US map has what it needs to be drawn
    bool text = false;    // the congress has a text attachment ("N.txt", Senate "Ns.txt")
    bool audio = false;   // ... a sound attachment (".wav")
    bool picture = false; // ... a picture attachment (".bmp", or ".png", ".jpg", ".jpeg")
};

// The extras of the search in session: the US map needs "map.dat" and "mapindex.dat" in the main
// folder and, for a single House before the 103rd, that congress's district file ".cds". Attachments
// are offered only when exactly one congress was searched (session.selectedCongresses).
CongressExtras FindCongressExtras(const Session &session);

// Makes the user folder ("User") when the tree has none under any spelling of "user", and points
// session.userDir at the folder. Throws FileError 75 naming the folder when it cannot be made.
void EnsureUserFolder(Session &session);

} // namespace rollscan
