#pragma once

// Version of the program, shown in the window title and handed to the update service.
constexpr int VERSION_MAJEURE = 1;
constexpr int VERSION_MINEURE = 3;
constexpr const char* VERSION_SUFFIXE = "";
