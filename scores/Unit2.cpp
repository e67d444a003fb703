// Placeholder; replaced as this unit is built.
