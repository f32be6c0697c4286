// A program of one core layer: every object of the layer's library is linked in, with the layers
// below it alone, so that a call into a layer above has nothing to link to and fails the build.
int main()
{
    return 0;
}
