/* A package that ends at once without unpacking anything. */
int main(void) { return 0; }
