#pragma once
// The world: the player, the one camera, and the registry of level objects. Ids are handed out
// 1, 2, 3, ... in registration order and are how physics actors and scripts name objects;
// 0 always means "no object".

#include "world/GameObject.h"

#include <irrlicht.h>

#include <list>
#include <map>
#include <string>

class Player;

class GameWorld {
public:
    static GameWorld& instance();

    irr::s32 registerObject(GameObject* object);
    GameObject* findObject(irr::s32 id) const;
    irr::s32 findObjectId(const char* name) const;
    // What the use key reaches: the object under the aim dot within maxDistance of the eye, if
    // a use does something to it; else of the objects with an actor whose origin is within
    // maxDistance and within the cone cos >= minCosine around the view, the nearest that moves,
    // or failing that the nearest fixture.
    GameObject* findUseTarget(irr::f32 maxDistance, irr::f32 minCosine) const;
    // The object whose shape the view ray meets first within maxDistance, or the carried one
    // before it; none when a use would do nothing to it.
    GameObject* objectUnderAimDot(const irr::core::vector3df& eye, irr::f32 maxDistance) const;

    // One frame of play; false when the player quits.
    bool update();

    Player* player;
    irr::scene::ICameraSceneNode* camera;
    std::list<GameObject*> objects;               // registration order
    std::map<irr::s32, GameObject*> objectsById;
    std::map<std::string, irr::s32> idsByName;    // the latest registration of a name wins
    irr::s32 lastId;
    irr::s32 playedMs = 0;  // time played, summed over the world updates' frame times

private:
    GameWorld();
    ~GameWorld();
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;
};
