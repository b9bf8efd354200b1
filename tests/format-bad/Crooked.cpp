// A file the format check must reject: its check is seen to fail on it.
int crooked( int a,int b ){return a+b;}
