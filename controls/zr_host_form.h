#pragma once
// The framework form that hosts a scene node: the first form on the owner
// chain of the node's scene's host component, nil outside a scene or form.

class TForm;
class TzrVisualObject;

TForm* zrHostForm(TzrVisualObject* AObject);
