// Keeps the library non-empty while the pictures are being drawn.
