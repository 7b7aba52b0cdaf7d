-- The start pad (2StartPad), under the player's first steps: how a player who cannot see finds
-- the room.
function OnCreate() end
function OnTick() end
function OnUse() end

told = false
function OnPlayerEnter()
    if told then return end
    told = true
    ShowMessage("You cannot see: sounds light what they reach. Walk with W A S D; tap your cane with Q.")
end
