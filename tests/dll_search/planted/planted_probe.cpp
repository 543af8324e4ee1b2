// A library under a name that no system has: whoever finds it by name found
// it where it was planted. Its name is all it needs; it holds no code.
