// The Motrevix viewer.
#include "app/sample_player_app.h"

int main(int argc, char* argv[]) { return motrevix::CSamplePlayerApp().Run(argc, argv); }
