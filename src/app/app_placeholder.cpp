// Keeps the library non-empty until the editor window is built.
