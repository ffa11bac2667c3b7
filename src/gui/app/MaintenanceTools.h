#pragma once

class QWidget;

namespace rollscan {

class Services;
class Session;

// The work behind the Development menu: the tally check of one chamber and the token list, each
// ending with its report in the text viewer.
class MaintenanceTools {
public:
    // Runs the tally check of the chamber over the session's tree under the wait window with its
    // progress, then shows the report it wrote. False when an error was reported instead.
    static bool CheckMatches(Session &session, Services &services, QWidget *parent, bool isHouse);
    // Reads "main/token.dat" and shows its records. False when an error was reported instead.
    static bool ListTokens(Session &session, Services &services, QWidget *parent);
};

} // namespace rollscan
