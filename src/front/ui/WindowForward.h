#pragma once

// The types every window takes at construction, declared for the headers of
// windows.
namespace kelvo::front {
struct Session;
class Prompter;
class Windows;
} // namespace kelvo::front
