// The one scene state instance, set to its start-up values before main runs.
#include "scene/scene_state.h"

SceneState scene = InitialSceneState();
