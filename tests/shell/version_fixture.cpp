// Carries a version resource for the version tests; never run.
int main() {
    return 0;
}
