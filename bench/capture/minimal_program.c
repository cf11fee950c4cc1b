/* The smallest Windows program: its run time under Wine is Wine's own start-up cost. */
int main(void) { return 0; }
