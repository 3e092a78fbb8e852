/* A block comment
   over two lines */
int main(void) {
  // a line comment
  return counter_value; /* trailing */
}
