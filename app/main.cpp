// Placeholder program entry; replaced as the main window is built.
int main() { return 0; }
