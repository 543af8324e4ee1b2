// The program of a layer check: the build links one layer's library whole
// beside it, with the layers below and nothing else.
int main()
{
    return 0;
}
